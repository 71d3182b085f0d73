# Tile scaling: the fixed-point scaler against Qt's smooth scaling.
add_executable(bench_graphics ${CMAKE_CURRENT_LIST_DIR}/bench_graphics.cpp)
target_link_libraries(bench_graphics PRIVATE quillmere_graphics Qt6::Gui benchmark::benchmark)
set_target_properties(bench_graphics PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
