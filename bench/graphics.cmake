# Tile scaling: the fixed-point scaler against Qt's smooth scaling.
add_executable(bench_graphics ${CMAKE_CURRENT_LIST_DIR}/bench_graphics.cpp)
target_link_libraries(bench_graphics PRIVATE quillmere_graphics Qt6::Gui benchmark::benchmark)
set_target_properties(bench_graphics PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)

# Completion animation: one frame of each effect at two board sizes.
add_executable(bench_effects ${CMAKE_CURRENT_LIST_DIR}/bench_effects.cpp)
target_link_libraries(bench_effects PRIVATE quillmere_graphics Qt6::Gui benchmark::benchmark)
set_target_properties(bench_effects PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
