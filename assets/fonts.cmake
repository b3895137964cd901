# The nine bitmap fonts the game loads, rendered from DejaVu Sans (Debian fonts-dejavu-core).
# The file names keep the game's "arial_N" names; N is the line height in pixels.
set(VAELOR_FONT_TTF /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf)
set(VAELOR_FONT_SIZES 12 15 17 19 24 30 34 38 48)

foreach(size ${VAELOR_FONT_SIZES})
  vaelor_asset(OUTPUT Data/Fonts/arial_${size}.dsf
    ASSETTOOL font ${VAELOR_FONT_TTF} ${size} @OUTPUT@
    DEPENDS ${VAELOR_FONT_TTF})
endforeach()
