# libFuzzer target for Ogg Vorbis decoding as the sound loaders do it (libvorbisfile over an
# in-memory file, bounded reads, a cap on the decoded size).
add_executable(vorbis_fuzz ${CMAKE_CURRENT_LIST_DIR}/vorbis_fuzz.cpp
  ${CMAKE_SOURCE_DIR}/audio/vorbis.cpp)
target_link_libraries(vorbis_fuzz PRIVATE PkgConfig::VORBIS)
target_link_options(vorbis_fuzz PRIVATE -fsanitize=fuzzer)
