# The line list's schedule: 1,000 and 10,000 pipe lines with a surface and a
# condensation criterion, solved on two threads.
heatcalc_bench(bench_schedule ${CMAKE_CURRENT_LIST_DIR}/schedule_bench.cpp)
target_link_libraries(bench_schedule PRIVATE heatcalc_schedule)
target_compile_definitions(bench_schedule PRIVATE HEATCALC_DATA_DIR="${HEATCALC_BIN_DIR}")
add_dependencies(bench_schedule heatcalc_data)
