add_executable(bench_net bench_net.cpp)
target_link_libraries(bench_net PRIVATE talvarin_net benchmark::benchmark)

# Jednorazowy pomiar wobec wrogich wezlow (uruchamiac w osobnej przestrzeni sieciowej).
add_executable(pomiar_wrogich pomiar_wrogich.cpp)
target_link_libraries(pomiar_wrogich PRIVATE talvarin_net)
add_executable(bench_milion bench_milion.cpp)
target_link_libraries(bench_milion PRIVATE talvarin_net benchmark::benchmark)

# Jednorazowy pomiar petli kopania z wypychaniem (uruchamiac w osobnej przestrzeni sieciowej).
add_executable(pomiar_wypychania pomiar_wypychania.cpp)
target_link_libraries(pomiar_wypychania PRIVATE talvarin_net)
