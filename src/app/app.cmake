# The menu bar and the file types: used by the main window and by start-up.
add_library(app_shared STATIC
  ${CMAKE_CURRENT_LIST_DIR}/FileTypes1.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MainMenuBar.cpp)
target_include_directories(app_shared PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(app_shared PUBLIC framework)

# The application object, the About window and the start-up sequence.
add_library(app_shell STATIC
  ${CMAKE_CURRENT_LIST_DIR}/App.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Aboutwindow.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Startup.cpp)
target_include_directories(app_shell PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(app_shell PUBLIC app_shared main_window framework)

add_executable(vorlix ${CMAKE_CURRENT_LIST_DIR}/main.cpp)
if(WIN32)
  # The version record and the per-monitor DPI manifest.
  target_sources(vorlix PRIVATE ${CMAKE_CURRENT_LIST_DIR}/vorlix.rc
    ${CMAKE_CURRENT_LIST_DIR}/vorlix.manifest)
  set_target_properties(vorlix PROPERTIES WIN32_EXECUTABLE ON)
endif()
target_link_libraries(vorlix PRIVATE app_shell)
set_target_properties(vorlix PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
