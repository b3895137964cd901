# The game's sounds and music, synthesised by `assettool sound` and `assettool music`
# (tools/assettool/sound_*.cpp, music_*.cpp).
set(SOUND_FILES engine.wav cloak_on.ogg cloak_off.ogg warp.ogg exit_warp.ogg pulse_torpedo.ogg
  distruptor.wav lancer.wav lancer_start.wav)
foreach(file ${SOUND_FILES})
  get_filename_component(name ${file} NAME_WE)
  vaelor_asset(OUTPUT Data/Audio/${file} ASSETTOOL sound ${name} @OUTPUT@)
endforeach()

set(MUSIC_FILES outer_drift.ogg ion_storm.ogg)
set(track 1)
foreach(file ${MUSIC_FILES})
  vaelor_asset(OUTPUT Data/Music/${file} ASSETTOOL music ${track} @OUTPUT@)
  math(EXPR track "${track} + 1")
endforeach()
