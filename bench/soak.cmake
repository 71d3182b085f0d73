# The long run: the completion animation and puzzle set-ups, resident memory before and after.
add_executable(bench_soak ${CMAKE_CURRENT_LIST_DIR}/bench_soak.cpp)
target_link_libraries(bench_soak PRIVATE quillmere_game quillmere_testsupport benchmark::benchmark)
target_compile_definitions(bench_soak PRIVATE QUILLMERE_RUNTIME_DIR="${QUILLMERE_RUNTIME_DIR}")
set_target_properties(bench_soak PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
add_dependencies(bench_soak quillmere_assets)
