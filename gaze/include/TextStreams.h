// The line source and byte sink the gaze settings file is read from and written to live in the
// support library (LineSource.h, ByteSink.h). This header only keeps the unqualified name for
// the callers that have not yet moved to it.
#pragma once

#include "LineSource.h"

namespace lumora {

using support::StringLineSource;

}  // namespace lumora
