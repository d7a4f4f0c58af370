# Heating calculations: container power search, gas heating, wall heating.
heatcalc_bench(bench_heating ${CMAKE_CURRENT_LIST_DIR}/heating_bench.cpp)
