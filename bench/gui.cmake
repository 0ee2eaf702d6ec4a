# Start-up: Vorlix against a bare Qt window with the same kinds of widgets.
add_executable(bare_window_probe BareWindowProbe.cpp)
target_link_libraries(bare_window_probe PRIVATE Qt6::Widgets)
add_executable(startup_bench StartupBench.cpp)
add_executable(vorlix_startup_probe VorlixStartupProbe.cpp)
target_link_libraries(vorlix_startup_probe PRIVATE app_shell)

add_executable(window_work_bench WindowWorkBench.cpp)
target_link_libraries(window_work_bench PRIVATE app_shell Qt6::Widgets)
