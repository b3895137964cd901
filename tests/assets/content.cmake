# Checks of the built pictures, sounds and music (assets/art.cmake, assets/sounds.cmake), the
# console layout tables, and the asset tool's generator commands.
vaelor_test(asset_art_tests
  SOURCES art_files_test.cpp console_layout_test.cpp art_test_support.cpp
    ${CMAKE_SOURCE_DIR}/game/shell/console_art.cpp
  LIBS vaelor_images OpenGL::GL)
target_compile_definitions(asset_art_tests PRIVATE ASSET_DIST_DIR="${DIST_DIR}")
add_dependencies(asset_art_tests assets)

vaelor_test(asset_sound_tests
  SOURCES sound_files_test.cpp art_test_support.cpp
  LIBS vaelor_images vaelor_audio OpenGL::GL)
target_compile_definitions(asset_sound_tests PRIVATE ASSET_DIST_DIR="${DIST_DIR}")
add_dependencies(asset_sound_tests assets)

vaelor_test(assettool_generator_tests
  SOURCES generator_commands_test.cpp synth_test.cpp
  LIBS assettool_lib PkgConfig::VORBIS vaelor_test_support)
