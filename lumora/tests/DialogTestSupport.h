// Lumora's GUI test support moved to the shared test-support library; this header only keeps
// the old include working until its last user includes "LumoraGuiTest.h".
#pragma once

#include "LumoraGuiTest.h"
