# Sound decoding into a buffer and the per-frame stream refill, each against plain libvorbisfile
# decoding (the floor) in the same run. Runs on OpenAL Soft's null device; the 3-minute test
# piece is encoded once (libvorbisenc) and kept in the build folder.
pkg_check_modules(BENCH_VORBISENC REQUIRED IMPORTED_TARGET vorbisenc)
add_executable(audio_bench ${CMAKE_CURRENT_LIST_DIR}/audio_bench.cpp
  ${CMAKE_SOURCE_DIR}/tests/audio/sound_files.cpp)
target_link_libraries(audio_bench PRIVATE vaelor_audio vaelor_engine PkgConfig::BENCH_VORBISENC
  PkgConfig::VORBIS benchmark::benchmark)
target_compile_definitions(audio_bench PRIVATE VAELOR_BENCH_CACHE="${CMAKE_CURRENT_BINARY_DIR}")
set_target_properties(audio_bench PROPERTIES VAELOR_PLATFORM vaelor_platform)
