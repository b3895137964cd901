# The nine bitmap fonts the game loads, rendered from DejaVu Sans (Debian fonts-dejavu-core).
# The file names keep the game's "arial_N" names; N is the line height in texels.
#
# The game picks a small and a large font by display height (12 and 24 up to 600 lines, 15 and 30
# up to 768, 17 and 34, 19 and 38, 24 and 48 up to 1200) and draws in its 800 x 600 space with the
# small font's scale for both. Each small size therefore stores the scale 12 / N, so its lines
# stay 12 units high and only gain sharpness on a larger display, and the large font, twice its
# size, comes out 24 units high. The sizes used only as large fonts store 24 / N to match.
set(VAELOR_FONT_TTF /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf)
set(VAELOR_SMALL_FONT_SIZES 12 15 17 19 24)
set(VAELOR_LARGE_FONT_SIZES 30 34 38 48)
set(VAELOR_SMALL_DRAW_HEIGHT 12)
set(VAELOR_LARGE_DRAW_HEIGHT 24)

function(vaelor_font size draw_height)
  vaelor_asset(OUTPUT Data/Fonts/arial_${size}.dsf
    ASSETTOOL font ${VAELOR_FONT_TTF} ${size} @OUTPUT@ --draw-height ${draw_height}
    DEPENDS ${VAELOR_FONT_TTF})
endfunction()

foreach(size ${VAELOR_SMALL_FONT_SIZES})
  vaelor_font(${size} ${VAELOR_SMALL_DRAW_HEIGHT})
endforeach()
foreach(size ${VAELOR_LARGE_FONT_SIZES})
  vaelor_font(${size} ${VAELOR_LARGE_DRAW_HEIGHT})
endforeach()
