# The score table at 100,000 entries: reading, sorting by each column, writing.
add_executable(bench_scores ${CMAKE_CURRENT_LIST_DIR}/bench_scores.cpp)
target_link_libraries(bench_scores PRIVATE quillmere_records benchmark::benchmark benchmark::benchmark_main)
set_target_properties(bench_scores PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
