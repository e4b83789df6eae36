add_executable(bench_core bench_core.cpp)
target_link_libraries(bench_core PRIVATE talvarin_core benchmark::benchmark)
