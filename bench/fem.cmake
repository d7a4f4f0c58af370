# The finite-element plate solved in the program.
heatcalc_bench(bench_fem ${CMAKE_CURRENT_LIST_DIR}/fem_bench.cpp)
# The plates are those of the tests (tests/calc/fem/FemPlates.h).
target_include_directories(bench_fem PRIVATE ${CMAKE_SOURCE_DIR}/tests/calc)
