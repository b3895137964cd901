# libFuzzer targets for the DSF font parser and for the text layout over arbitrary text. The
# parser and layout sources hold no GL, so they are compiled here directly, once, and shared.
set(FUZZ_DSF_SOURCES dsf_parser.cpp utf8.cpp markup.cpp font_glyphs.cpp text_layout.cpp)
list(TRANSFORM FUZZ_DSF_SOURCES PREPEND ${CMAKE_SOURCE_DIR}/graphics/)
add_library(fuzz_dsf_layout OBJECT ${FUZZ_DSF_SOURCES})

foreach(target dsf_fuzz dsf_text_fuzz)
  add_executable(${target} ${CMAKE_CURRENT_LIST_DIR}/${target}.cpp
    $<TARGET_OBJECTS:fuzz_dsf_layout>)
  target_link_options(${target} PRIVATE -fsanitize=fuzzer)
endforeach()
