# The main window's drawing: a full board redraw and a whole puzzle set-up.
add_executable(bench_game ${CMAKE_CURRENT_LIST_DIR}/bench_game.cpp)
target_link_libraries(bench_game PRIVATE quillmere_game quillmere_testsupport benchmark::benchmark)
target_compile_definitions(bench_game PRIVATE QUILLMERE_RUNTIME_DIR="${QUILLMERE_RUNTIME_DIR}")
set_target_properties(bench_game PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
add_dependencies(bench_game quillmere_assets)
