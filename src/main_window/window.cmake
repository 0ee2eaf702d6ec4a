# The main window, written against the framework layer.
add_library(main_window STATIC ${CMAKE_CURRENT_LIST_DIR}/Window1.cpp
                        ${CMAKE_CURRENT_LIST_DIR}/Window1SplitterLayout.cpp)
target_include_directories(main_window PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(main_window PUBLIC framework app_shared eigensolver main_window_logic)
