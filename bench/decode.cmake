#Image decode speed against stb_image(Debian's libstb-dev header, implementation compiled
#into the benchmark only).
add_executable(decode_bench ${CMAKE_CURRENT_LIST_DIR} / decode_bench.cpp ${CMAKE_CURRENT_LIST_DIR} /
               decode_images.cpp)
    target_link_libraries(decode_bench PRIVATE vaelor_images benchmark::benchmark)
