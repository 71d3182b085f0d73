# The main window's benchmarks, on the real window and the generated tiles:
# bench_game, a full board redraw and a whole puzzle set-up; bench_soak, the
# completion animation and puzzle set-ups with resident memory before and after;
# bench_pacing, the animation's frames and transitions per second on its own timer.
foreach(bench bench_game bench_soak bench_pacing)
  add_executable(${bench} ${CMAKE_CURRENT_LIST_DIR}/${bench}.cpp ${CMAKE_CURRENT_LIST_DIR}/WindowBenchMain.cpp)
  target_link_libraries(${bench} PRIVATE quillmere_game quillmere_testsupport benchmark::benchmark)
  target_compile_definitions(${bench} PRIVATE QUILLMERE_RUNTIME_DIR="${QUILLMERE_RUNTIME_DIR}")
  set_target_properties(${bench} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
  add_dependencies(${bench} quillmere_assets)
endforeach()
