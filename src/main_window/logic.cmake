# The main window's work, written against small interfaces (QtCore only), so
# that it runs against plain objects as well as against the window.
add_library(main_window_logic STATIC
  ${CMAKE_CURRENT_LIST_DIR}/Calculation.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PasteMatrixReader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PasteMatrixCommand.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SaveTextWriter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ResultsSplitter.cpp)
target_include_directories(main_window_logic PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(main_window_logic PUBLIC framework_core eigensolver Qt6::Core)
