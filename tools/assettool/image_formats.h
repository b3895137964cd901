// Picture files the asset tool reads: the engine's DSX, TGA and BMP (through the engine's own
// decoders) and PNG (through libpng), told apart by their first bytes.
#pragma once

#include <string>
#include <vector>

#include "tools/assettool/picture.h"

enum class PictureFormat { DSX, TGA, BMP, PNG };

// Magic bytes first (DSX, BMP, PNG); TGA has none, so anything else is tried as TGA.
PictureFormat DetectPictureFormat(const std::vector<u8>& data);
const char* PictureFormatName(PictureFormat format);
bool DecodePicture(const std::vector<u8>& data, Picture* out, std::string* error);
