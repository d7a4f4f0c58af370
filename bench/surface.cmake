# The automatic surface coefficient and the temperature-dependent conductivity.
heatcalc_bench(bench_surface ${CMAKE_CURRENT_LIST_DIR}/surface_bench.cpp)
# The cylinder inputs are those of the heat-loss tests (tests/calc/heatloss/FactoryCases.h).
target_include_directories(bench_surface PRIVATE ${CMAKE_SOURCE_DIR}/tests/calc/heatloss)
