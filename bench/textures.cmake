# Surface loading, surface drawing and the registry's save-and-rebuild, each against a plain
# baseline measured in the same run. Needs an X display (run under xvfb-run).
add_executable(texture_bench ${CMAKE_CURRENT_LIST_DIR}/texture_bench.cpp)
target_link_libraries(texture_bench PRIVATE vaelor_graphics vaelor_engine benchmark::benchmark)
set_target_properties(texture_bench PROPERTIES VAELOR_PLATFORM vaelor_platform)
