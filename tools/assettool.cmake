# The asset tool: converts and generates the game's content (images, fonts, texts, key
# bindings, art, sounds). Everything but main.cpp goes into a library the tests link too; it
# needs no window and no GL.
pkg_check_modules(ASSET_PNG REQUIRED IMPORTED_TARGET libpng)
pkg_check_modules(ASSET_FREETYPE REQUIRED IMPORTED_TARGET freetype2)
# The art and sound generators draw with Cairo and encode Ogg Vorbis.
pkg_check_modules(ASSET_CAIRO REQUIRED IMPORTED_TARGET cairo)
pkg_check_modules(ASSET_VORBISENC REQUIRED IMPORTED_TARGET vorbisenc vorbis ogg)

set(ASSETTOOL_DIR ${CMAKE_SOURCE_DIR}/tools/assettool)
# The core: picture, font, text and key-binding conversion.
set(ASSETTOOL_SOURCES
  ${ASSETTOOL_DIR}/atomic_file.cpp ${ASSETTOOL_DIR}/command.cpp
  ${ASSETTOOL_DIR}/png_io.cpp ${ASSETTOOL_DIR}/image_formats.cpp ${ASSETTOOL_DIR}/image_tool.cpp
  ${ASSETTOOL_DIR}/dsx_regions.cpp ${ASSETTOOL_DIR}/dsx_encoder.cpp ${ASSETTOOL_DIR}/dsx_inspect.cpp
  ${ASSETTOOL_DIR}/font_render.cpp ${ASSETTOOL_DIR}/dsf_writer.cpp ${ASSETTOOL_DIR}/font_tool.cpp
  ${ASSETTOOL_DIR}/text_escape.cpp ${ASSETTOOL_DIR}/loc_format.cpp ${ASSETTOOL_DIR}/loc_tool.cpp
  ${ASSETTOOL_DIR}/bindings_format.cpp ${ASSETTOOL_DIR}/bindings_tool.cpp)
# The generators (art, sounds, music) by their file names, with the console layout tables the
# art shares with the game.
file(GLOB ASSETTOOL_GENERATOR_SOURCES CONFIGURE_DEPENDS ${ASSETTOOL_DIR}/art_*.cpp
  ${ASSETTOOL_DIR}/sound_*.cpp ${ASSETTOOL_DIR}/music_*.cpp)
list(APPEND ASSETTOOL_GENERATOR_SOURCES ${CMAKE_SOURCE_DIR}/game/shell/console_art.cpp)
add_library(assettool_lib STATIC ${ASSETTOOL_SOURCES} ${ASSETTOOL_GENERATOR_SOURCES})
target_link_libraries(assettool_lib PUBLIC vaelor_images PkgConfig::ASSET_PNG
  PkgConfig::ASSET_FREETYPE PkgConfig::ASSET_CAIRO PkgConfig::ASSET_VORBISENC m)

add_executable(assettool ${CMAKE_SOURCE_DIR}/tools/assettool/main.cpp)
target_link_libraries(assettool PRIVATE assettool_lib)
set_target_properties(assettool PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)
