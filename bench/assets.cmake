# The game's pictures as DSX against PNG at maximum compression: total size, and decode speed of
# the engine's DSX decoder against libpng, in one run.
add_executable(asset_bench ${CMAKE_CURRENT_LIST_DIR}/asset_bench.cpp)
target_link_libraries(asset_bench PRIVATE assettool_lib benchmark::benchmark)
target_compile_definitions(asset_bench PRIVATE VAELOR_DIST_DIR="${DIST_DIR}")
