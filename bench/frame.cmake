# A whole in-flight frame (update, scene, consoles, GUI) at 1024 x 768 against the floor of one
# cleared, textured full-screen quad, with the frame's steps measured on their own. Needs the
# built game data (the assets target) and an X display (run under xvfb-run).
add_executable(frame_bench ${CMAKE_CURRENT_LIST_DIR}/frame_bench.cpp)
target_link_libraries(frame_bench PRIVATE vaelor_game benchmark::benchmark)
target_compile_definitions(frame_bench PRIVATE FRAME_BENCH_DIST="${DIST_DIR}")
set_target_properties(frame_bench PROPERTIES VAELOR_PLATFORM vaelor_platform)
