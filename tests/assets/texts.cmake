# Texts, fonts and key bindings as built into the program folder.
vaelor_test(assets_texts_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/texts_content_test.cpp
  LIBS assettool_lib vaelor_graphics vaelor_engine)
target_compile_definitions(assets_texts_test PRIVATE VAELOR_DIST_DIR="${DIST_DIR}")
add_dependencies(assets_texts_test assets)
