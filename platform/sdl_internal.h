// State shared by the SDL half of the platform layer.
#pragma once

#include <SDL2/SDL.h>

// Starts SDL's video and event subsystems on first use; false when no display is available.
bool SDLP_EnsureVideo();
SDL_Window* SDLP_Window();

struct SDLP_Key {
    uint32_t virtualKey; // Windows virtual-key code, 0 when the key has none
    uint32_t scanCode;   // PC set-1 scan code
    bool extended;
};
SDLP_Key SDLP_TranslateKey(const SDL_Keysym& sym);
