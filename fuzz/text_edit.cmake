# libFuzzer target for the text boxes' editing core: arbitrary bytes typed, pasted and set as
# text, mixed with caret moves, deletions and hostile caret and selection values. The core
# holds no I/O, so its source is compiled here directly.
add_executable(text_edit_fuzz ${CMAKE_CURRENT_LIST_DIR}/text_edit_fuzz.cpp
  ${CMAKE_SOURCE_DIR}/gui/text_edit.cpp)
target_link_options(text_edit_fuzz PRIVATE -fsanitize=fuzzer)
