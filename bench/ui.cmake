add_executable(bench_ui bench_ui.cpp)
target_link_libraries(bench_ui PRIVATE talvarin_ui talvarin_app talvarin_net talvarin_core Qt6::Widgets
                      benchmark::benchmark)
add_executable(pomiar_pamieci_okna pomiar_pamieci_okna.cpp)
target_link_libraries(pomiar_pamieci_okna PRIVATE talvarin_ui talvarin_app talvarin_net talvarin_core
                      Qt6::Widgets)
