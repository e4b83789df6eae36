add_executable(bench_ui bench_ui.cpp)
target_link_libraries(bench_ui PRIVATE talvarin_ui talvarin_app talvarin_net talvarin_core Qt6::Widgets
                      benchmark::benchmark)
