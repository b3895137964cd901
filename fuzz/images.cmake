# libFuzzer targets for the DSX, TGA and BMP decoders. The decoder sources are compiled once,
# with the sanitizer flags scripts/fuzz.sh sets for the whole fuzz build, and shared; each
# target links libFuzzer's main.
file(GLOB FUZZ_IMAGE_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/graphics/images/*.cpp)
add_library(fuzz_image_decoders OBJECT ${FUZZ_IMAGE_SOURCES})

foreach(format dsx tga bmp)
  add_executable(${format}_fuzz ${CMAKE_CURRENT_LIST_DIR}/${format}_fuzz.cpp
    $<TARGET_OBJECTS:fuzz_image_decoders>)
  target_link_options(${format}_fuzz PRIVATE -fsanitize=fuzzer)
endforeach()
