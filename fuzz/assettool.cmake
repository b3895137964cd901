# libFuzzer targets for the asset tool's parsers: LOC files and their source text, key-binding
# tables and their source text, the DSX inspector, and PNG reading (with a DSX round trip of
# every picture it accepts). The sources hold no file access, so they are compiled directly.
set(FUZZ_TOOL_DIR ${CMAKE_SOURCE_DIR}/tools/assettool)
pkg_check_modules(FUZZ_PNG IMPORTED_TARGET libpng)

add_executable(loc_fuzz ${CMAKE_CURRENT_LIST_DIR}/loc_fuzz.cpp ${FUZZ_TOOL_DIR}/loc_format.cpp
  ${FUZZ_TOOL_DIR}/text_escape.cpp)
add_executable(bindings_fuzz ${CMAKE_CURRENT_LIST_DIR}/bindings_fuzz.cpp
  ${FUZZ_TOOL_DIR}/bindings_format.cpp ${FUZZ_TOOL_DIR}/text_escape.cpp)
add_executable(dsx_inspect_fuzz ${CMAKE_CURRENT_LIST_DIR}/dsx_inspect_fuzz.cpp
  ${FUZZ_TOOL_DIR}/dsx_inspect.cpp)
set(TOOL_FUZZ_TARGETS loc_fuzz bindings_fuzz dsx_inspect_fuzz)
if(FUZZ_PNG_FOUND)
  add_executable(png_fuzz ${CMAKE_CURRENT_LIST_DIR}/png_fuzz.cpp ${FUZZ_TOOL_DIR}/png_io.cpp
    ${FUZZ_TOOL_DIR}/dsx_encoder.cpp ${FUZZ_TOOL_DIR}/dsx_regions.cpp
    $<TARGET_OBJECTS:fuzz_image_decoders>)
  target_link_libraries(png_fuzz PRIVATE PkgConfig::FUZZ_PNG)
  list(APPEND TOOL_FUZZ_TARGETS png_fuzz)
endif()
foreach(target ${TOOL_FUZZ_TARGETS})
  target_link_options(${target} PRIVATE -fsanitize=fuzzer)
endforeach()
