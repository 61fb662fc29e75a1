// The keyboard tables of the communication programs: key-location grids, the key code table,
// the TTAM command strings and the scanning keyboard. The first, second and fourth are read
// from the label file.
#pragma once

#include <cstdint>

#include "FileIoContext.h"
#include "qvfileio.h"

namespace qvfileio {

void setKeyLocDefaults(KeyLocationTable& table);
int readKeyLocations(FileIoContext& context, KeyLocationTable& table, std::int32_t language);

void setKeyboardAsciiCodesDefaults(KeyboardAsciiCodes& table);
int readKeyboardAsciiCodes(FileIoContext& context, KeyboardAsciiCodes& table, std::int32_t language);

void buildTTAMArray(std::int32_t kind, TTAMArray& table);

void setScanningKeyboardDefaults(ScanningKeyboardLayout& layout);
int readScanningKeyboard(FileIoContext& context, ScanningKeyboardLayout& layout, std::int32_t kind,
                         std::int32_t language);

}  // namespace qvfileio
