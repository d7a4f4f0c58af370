# The chart and the sweep as the window draws and runs them: drawing a chart
# of 3000 points (a QApplication, offscreen), and the sweeps through copies
# of the real window's fields. The window opens on a copy of the built data.
add_executable(bench_curves_ui ${CMAKE_CURRENT_LIST_DIR}/curves_ui_bench.cpp)
target_link_libraries(bench_curves_ui PRIVATE heatcalc_app benchmark::benchmark)
target_compile_definitions(bench_curves_ui PRIVATE HEATCALC_DATA_DIR="${HEATCALC_BIN_DIR}")
set_target_properties(bench_curves_ui PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
