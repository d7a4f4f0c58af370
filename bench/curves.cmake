# Curves and sweeps: parametric sweeps on all cores, and what asking for a
# history costs beside the plain run.
heatcalc_bench(bench_curves ${CMAKE_CURRENT_LIST_DIR}/curves_bench.cpp)
# The factory inputs are those of the tests (tests/calc/heatloss, tests/calc/heating).
target_include_directories(bench_curves PRIVATE ${CMAKE_SOURCE_DIR}/tests/calc)
