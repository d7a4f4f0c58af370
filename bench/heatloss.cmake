# Heat-loss calculations: cooling over time, pipe flow and one scan of each other calculator.
heatcalc_bench(bench_heatloss ${CMAKE_CURRENT_LIST_DIR}/heatloss_bench.cpp)
