add_executable(bench_net bench_net.cpp)
target_link_libraries(bench_net PRIVATE talvarin_net benchmark::benchmark)
