add_executable(bench_net bench_net.cpp)
target_link_libraries(bench_net PRIVATE talvarin_net benchmark::benchmark)

add_executable(bench_milion bench_milion.cpp)
target_link_libraries(bench_milion PRIVATE talvarin_net benchmark::benchmark)
