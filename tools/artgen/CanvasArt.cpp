// The canvas's sounds and trace-task picture, which Lumora loads by path (added to the catalogue by Pictures.cpp).
#include "Catalog.h"

namespace artgen {

std::vector<Artifact> CanvasFiles() { return {}; }

}  // namespace artgen
