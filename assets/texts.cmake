# The texts of the eight languages (Texts/<code>/{menu,game,keyboard}.loc) and the default key
# bindings (Users/default.cdu), compiled from their readable sources.
set(VAELOR_LANGUAGES eng cro cz pl de it spa fin)

# The entries each file must hold at least, and the byte limit of a key name.
set(MENU_LOC_ENTRIES 19)
set(GAME_LOC_ENTRIES 53)
set(KEYBOARD_LOC_ENTRIES 256)
set(KEY_NAME_MAX_BYTES 31)

foreach(lang ${VAELOR_LANGUAGES})
  set(src ${ASSET_SOURCE_DIR}/texts/${lang})
  vaelor_asset(OUTPUT Texts/${lang}/menu.loc
    ASSETTOOL loc compile ${src}/menu.txt @OUTPUT@ --entries ${MENU_LOC_ENTRIES}
    DEPENDS ${src}/menu.txt)
  vaelor_asset(OUTPUT Texts/${lang}/game.loc
    ASSETTOOL loc compile ${src}/game.txt @OUTPUT@ --entries ${GAME_LOC_ENTRIES}
    DEPENDS ${src}/game.txt)
  vaelor_asset(OUTPUT Texts/${lang}/keyboard.loc
    ASSETTOOL loc compile ${src}/keyboard.txt @OUTPUT@ --entries ${KEYBOARD_LOC_ENTRIES}
      --max-bytes ${KEY_NAME_MAX_BYTES}
    DEPENDS ${src}/keyboard.txt)
endforeach()

# Key names in the binding source are the English ones.
vaelor_asset(OUTPUT Users/default.cdu
  ASSETTOOL bindings compile ${ASSET_SOURCE_DIR}/bindings/default.txt @OUTPUT@
    --keys ${DIST_DIR}/Texts/eng/keyboard.loc
  DEPENDS ${ASSET_SOURCE_DIR}/bindings/default.txt ${DIST_DIR}/Texts/eng/keyboard.loc)
