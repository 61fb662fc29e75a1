#include "FileIoContext.h"

namespace qvfileio {

void convertCommunicationFiles(FileIoContext&) {}

}  // namespace qvfileio
