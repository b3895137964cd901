# libFuzzer targets for the game shell's readers: the key-binding file, LOC files with the key
# names taken from them, and chat lines with the localised formats and the text layout the
# chat panel measures with. The readers are handed bytes, so no file, window or GL is needed;
# the engine's key tables, log and message box are modelled in shell_stand_ins.cpp.
set(FUZZ_SHELL_DIR ${CMAKE_SOURCE_DIR}/game/shell)
add_library(fuzz_game_shell OBJECT ${CMAKE_CURRENT_LIST_DIR}/shell_stand_ins.cpp
  ${FUZZ_SHELL_DIR}/bindings.cpp ${FUZZ_SHELL_DIR}/loc.cpp ${FUZZ_SHELL_DIR}/chat_format.cpp
  ${FUZZ_SHELL_DIR}/chat_list.cpp ${CMAKE_SOURCE_DIR}/engine/strings.cpp)

add_executable(user_config_fuzz ${CMAKE_CURRENT_LIST_DIR}/user_config_fuzz.cpp
  $<TARGET_OBJECTS:fuzz_game_shell>)
add_executable(game_loc_fuzz ${CMAKE_CURRENT_LIST_DIR}/game_loc_fuzz.cpp
  ${CMAKE_SOURCE_DIR}/tools/assettool/loc_format.cpp
  ${CMAKE_SOURCE_DIR}/tools/assettool/text_escape.cpp $<TARGET_OBJECTS:fuzz_game_shell>)
add_executable(chat_fuzz ${CMAKE_CURRENT_LIST_DIR}/chat_fuzz.cpp
  $<TARGET_OBJECTS:fuzz_game_shell> $<TARGET_OBJECTS:fuzz_dsf_layout>)
foreach(target user_config_fuzz game_loc_fuzz chat_fuzz)
  target_link_options(${target} PRIVATE -fsanitize=fuzzer)
endforeach()
