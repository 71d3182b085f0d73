# Saved games: saving and opening a 10 x 10 game in play.
add_executable(bench_records ${CMAKE_CURRENT_LIST_DIR}/bench_records.cpp)
target_link_libraries(bench_records PRIVATE quillmere_records benchmark::benchmark benchmark::benchmark_main)
set_target_properties(bench_records PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
