# Trace heating and freeze time: one design, one freeze march, a sweep of the hold temperature.
heatcalc_bench(bench_tracing ${CMAKE_CURRENT_LIST_DIR}/tracing_bench.cpp)
find_package(Threads REQUIRED)
target_link_libraries(bench_tracing PRIVATE Threads::Threads)
