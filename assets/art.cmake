# The game's pictures, drawn by `assettool art` (tools/assettool/art_*.cpp): ships, projectiles,
# cursors, the chat avatar, the menu flags, the console sheets and the images beside the program.
set(ART_FILES
  "tessaly:Data/tessaly.dsx"
  "shrike:Data/shrike.dsx"
  "meridian:Data/meridian.dsx"
  "disruptor:Data/distruptor.dsx"
  "torpedo:Data/torpedo.dsx"
  "menu_cursor:Data/Graphics/menu_cursor.dsx"
  "game_cursor:Data/Graphics/game_cursor.dsx"
  "avatar:Data/Graphics/avatar.dsx"
  "flag_eng:Data/Graphics/Flags/eng.dsx"
  "flag_cro:Data/Graphics/Flags/cro.dsx"
  "flag_cz:Data/Graphics/Flags/cz.dsx"
  "flag_pl:Data/Graphics/Flags/pl.dsx"
  "flag_de:Data/Graphics/Flags/de.dsx"
  "flag_it:Data/Graphics/Flags/it.dsx"
  "flag_spa:Data/Graphics/Flags/spa.dsx"
  "flag_fin:fin.tga"
  "lancer:lancer.tga"
  "spark:spark.tga"
  "nav:Data/Graphics/Navigations/nav.dsx"
  "keyboard:Data/Graphics/Navigations/keyboard.dsx"
  "question:Data/Graphics/Navigations/question.dsx"
  "power:Data/Graphics/Power Display/power.dsx"
  "score:Data/Graphics/Score Display/score.dsx"
  "tactical:Data/Graphics/Tactical/tactical.dsx")

foreach(entry ${ART_FILES})
  string(REPLACE ":" ";" parts "${entry}")
  list(GET parts 0 name)
  list(GET parts 1 path)
  vaelor_asset(OUTPUT "${path}" ASSETTOOL art ${name} @OUTPUT@)
endforeach()
