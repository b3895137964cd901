# Text layout throughput (widths, line fitting, wrapped heights) against a UTF-8 decode floor.
add_executable(text_bench ${CMAKE_CURRENT_LIST_DIR}/text_bench.cpp)
target_link_libraries(text_bench PRIVATE vaelor_graphics benchmark::benchmark)
set_target_properties(text_bench PROPERTIES VAELOR_PLATFORM vaelor_platform)
