# Building game content into the program folder (DIST_DIR). Loaded first of assets/*.cmake.
#
# For every built file, call:
#   vaelor_asset(OUTPUT <path inside DIST_DIR>
#                ASSETTOOL <assettool arguments, @OUTPUT@ standing for the output file>
#                [DEPENDS <source files ...>])
# or, for a command other than assettool:
#   vaelor_asset(OUTPUT <path> COMMAND <command and arguments, @OUTPUT@ as above>
#                [DEPENDS ...])
# Example: vaelor_asset(OUTPUT Data/shrike.dsx ASSETTOOL art shrike @OUTPUT@)
# The output is rebuilt when a DEPENDS file or (for ASSETTOOL) the assettool binary changes;
# the build prints "Building <path>" and the `assets` target (which `corvane` depends on)
# collects every output. Paths may contain spaces.

set(ASSET_SOURCE_DIR ${CMAKE_SOURCE_DIR}/assets)
set_property(GLOBAL PROPERTY VAELOR_ASSET_OUTPUTS "")

function(vaelor_asset)
  cmake_parse_arguments(A "" "OUTPUT" "ASSETTOOL;COMMAND;DEPENDS" ${ARGN})
  if(NOT A_OUTPUT OR (NOT A_ASSETTOOL AND NOT A_COMMAND))
    message(FATAL_ERROR "vaelor_asset needs OUTPUT and ASSETTOOL or COMMAND")
  endif()
  set(out "${DIST_DIR}/${A_OUTPUT}")
  get_filename_component(out_dir "${out}" DIRECTORY)
  if(A_ASSETTOOL)
    set(cmd $<TARGET_FILE:assettool> ${A_ASSETTOOL})
    list(APPEND A_DEPENDS assettool)
  else()
    set(cmd ${A_COMMAND})
  endif()
  list(TRANSFORM cmd REPLACE "@OUTPUT@" "${out}")
  add_custom_command(OUTPUT "${out}"
    COMMAND ${CMAKE_COMMAND} -E make_directory "${out_dir}"
    COMMAND ${cmd}
    DEPENDS ${A_DEPENDS}
    COMMENT "Building ${A_OUTPUT}"
    VERBATIM)
  set_property(GLOBAL APPEND PROPERTY VAELOR_ASSET_OUTPUTS "${out}")
endfunction()

# Runs once every assets/*.cmake has added its files.
function(_vaelor_collect_assets)
  get_property(outputs GLOBAL PROPERTY VAELOR_ASSET_OUTPUTS)
  add_custom_target(assets ALL DEPENDS ${outputs})
  if(TARGET corvane)
    add_dependencies(corvane assets)
  endif()
endfunction()
cmake_language(DEFER CALL _vaelor_collect_assets)
