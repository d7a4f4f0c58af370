# Heat-loss calculations: cooling over time, pipe flow and one scan of each other calculator.
heatcalc_bench(bench_heatloss ${CMAKE_CURRENT_LIST_DIR}/heatloss_bench.cpp)
# The factory inputs are those of the heat-loss tests (tests/calc/heatloss/FactoryCases.h).
target_include_directories(bench_heatloss PRIVATE ${CMAKE_SOURCE_DIR}/tests/calc/heatloss)
