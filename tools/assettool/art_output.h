// Saving generated pictures: PNG for looking at them, DSX for the game, TGA for the three images
// that live beside the program. The extension of the output path picks the format.
#pragma once

#include <string>

#include "tools/assettool/art_canvas.h"

// Saves the picture; on failure *error holds the reason.
bool SaveArtImage(const std::string& path, const ArtImage& image, std::string* error);
// The lower-case text after the last dot of a path ("" when there is none).
std::string LowerExtension(const std::string& path);
// TGA, uncompressed and top-down: 32 bits with alpha, or 24 bits when alpha is not wanted.
bool WriteArtTGA(const std::string& path, const ArtImage& image, bool alpha, std::string* error);
