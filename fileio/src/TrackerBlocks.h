// The three blocks of the tracker settings file, which the communication file shares in part:
// calibration constants, hardware geometry and image-processing switches.
#pragma once

#include <cstdint>

#include "FileIoContext.h"
#include "SettingsWriter.h"
#include "qvfileio.h"

namespace qvfileio {

inline constexpr std::u16string_view kCalibrationSection = u"Calibration";
inline constexpr std::u16string_view kHardwareSection = u"Video_Hardware";
inline constexpr std::u16string_view kImageProcSection = u"ImageProc";

// fileKind: QV_FILE_KIND_TRACKER or QV_FILE_KIND_COMMUNICATION.
void setCalConstDefaults(CalConstSettings& block, std::int32_t fileKind);
int readCalConst(FileIoContext& context, CalConstSettings& block, std::int32_t language, std::int32_t fileKind);
void writeCalConst(SettingsWriter& writer, const CalConstSettings& block);

void setHardwareDefaults(HardwareSettings& block, bool full);
int readHardware(FileIoContext& context, HardwareSettings& block, std::int32_t language);
void writeHardware(SettingsWriter& writer, const HardwareSettings& block);

void setImageProcDefaults(ImageProcSettings& block);
int readImageProc(FileIoContext& context, ImageProcSettings& block, std::int32_t language, std::int32_t fileKind);
void writeImageProc(SettingsWriter& writer, const ImageProcSettings& block);

// The number of target positions stored for a number of calibration points: n - 1, never
// below 0 and never more than the arrays hold.
int calTargetCount(std::int32_t numCalPoints);

}  // namespace qvfileio
