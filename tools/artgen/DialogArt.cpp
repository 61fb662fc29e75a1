// The dialogs' pictures and sounds, which Lumora loads by path (added to the catalogue by Pictures.cpp).
#include "Catalog.h"

namespace artgen {

std::vector<Artifact> DialogFiles() { return {}; }

}  // namespace artgen
