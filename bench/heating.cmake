# Heating calculations: container power search, gas heating, wall heating.
heatcalc_bench(bench_heating ${CMAKE_CURRENT_LIST_DIR}/heating_bench.cpp)
# The tank and box inputs are those of the heating tests (tests/calc/heating/TankCases.h).
target_include_directories(bench_heating PRIVATE ${CMAKE_SOURCE_DIR}/tests/calc/heating)
