# The GUI tests of the window's work run a second time in German, whose
# decimal point is a comma. The locale is built into the build folder from the
# sources of Debian's "locales" package (LOCPATH), so the system needs none
# generated; the test run fails, never skips, when it cannot be set.
set(VORLIX_LOCALE_DIR ${CMAKE_CURRENT_BINARY_DIR}/locales)
file(MAKE_DIRECTORY ${VORLIX_LOCALE_DIR})
add_test(NAME locale.de_DE
  COMMAND localedef -i de_DE -f UTF-8 ${VORLIX_LOCALE_DIR}/de_DE.UTF-8)
set_tests_properties(locale.de_DE PROPERTIES FIXTURES_SETUP comma_locale)

foreach(test main_window.Window1Work_guitest)
  get_test_property(${test} ENVIRONMENT environment)
  string(REGEX REPLACE "^[^.]*\\." "" executable ${test})
  add_test(NAME ${test}.de_DE COMMAND ${executable})
  set_tests_properties(${test}.de_DE PROPERTIES
    ENVIRONMENT "${environment};LANG=de_DE.UTF-8;LC_ALL=de_DE.UTF-8;LOCPATH=${VORLIX_LOCALE_DIR};VORLIX_TEST_DECIMAL_POINT=,"
    FIXTURES_REQUIRED comma_locale
    TIMEOUT 300)
endforeach()
