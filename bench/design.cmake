# Insulation design: solving for the thickness of the cylinder and of pipe flow.
heatcalc_bench(bench_design ${CMAKE_CURRENT_LIST_DIR}/design_bench.cpp)
# The factory inputs are those of the heat-loss tests (tests/calc/heatloss/FactoryCases.h).
target_include_directories(bench_design PRIVATE ${CMAKE_SOURCE_DIR}/tests/calc/heatloss)
