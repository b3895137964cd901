# GUI model costs on a large control tree: lookup by name, property setting by name, hit
# testing and the per-frame update, each against a plain baseline measured in the same run.
add_executable(gui_bench ${CMAKE_CURRENT_LIST_DIR}/gui_bench.cpp)
target_link_libraries(gui_bench PRIVATE vaelor_gui vaelor_engine benchmark::benchmark)
set_target_properties(gui_bench PROPERTIES VAELOR_PLATFORM vaelor_platform)
