# One simulation frame (GameUpdate) with the ship alone, with 30 and with 5000 projectiles.
add_executable(sim_bench ${CMAKE_CURRENT_LIST_DIR}/sim_bench.cpp)
target_link_libraries(sim_bench PRIVATE vaelor_game benchmark::benchmark)
set_target_properties(sim_bench PROPERTIES VAELOR_PLATFORM vaelor_platform)
