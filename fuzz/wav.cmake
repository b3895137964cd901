# libFuzzer target for the WAV chunk reader: the parser source holds no OpenAL or file access,
# so it is compiled here directly.
add_executable(wav_fuzz ${CMAKE_CURRENT_LIST_DIR}/wav_fuzz.cpp ${CMAKE_SOURCE_DIR}/audio/wav.cpp)
target_link_options(wav_fuzz PRIVATE -fsanitize=fuzzer)
