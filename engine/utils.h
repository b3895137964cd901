// The engine's small services in one include: strings, error reports, folder scans,
// screenshots, colours, hit tests, literal slots and GL conveniences.
#pragma once

#include "engine/colors.h"
#include "engine/dirscan.h"
#include "engine/gl_helpers.h"
#include "engine/hit_test.h"
#include "engine/report.h"
#include "engine/screenshot.h"
#include "engine/strings.h"
#include "engine/temp_values.h"
