// The shell fixture on the scripted platform.
#pragma once

#include "tests/game/shell/shell_data.h"

using WindowlessShellTest = ShellTest;
