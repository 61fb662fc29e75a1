/* Compiled as C: the public header must serve C callers, and its records must have the layout
 * that C sees. */
#include <stddef.h>
#include <string.h>

#include "qvfileio.h"

int qvfileio_c_caller(void);

int qvfileio_c_caller(void) {
    int32_t major = 0;
    int32_t minor = 0;
    QvSettingsRecord record;
    HardwareSettings hardware;
    int32_t language = 3;
    const char16_t uk[] = {'U', 'K', 0};

    GetQVFileIOVersion(&major, &minor);
    if (major != 1 || minor != 5) {
        return 1;
    }
    memset(&record, 0, sizeof record);
    record.language = 4;
    vSetDefaultQvSettings(&record);
    if (record.result != 7 || record.language != 4 || record.calibration.calRes[2].iNumCalPoints != 14) {
        return 2;
    }
    hardware.iVideoGain = 99;
    vSetHardwareDefaults(&hardware, 0);
    if (hardware.iVideoGain != 99 || hardware.fMonitorWidth < 276.0f) {
        return 3;
    }
    LanguageFromDichar(uk, &language);
    if (language != 17) {
        return 4;
    }
    if (offsetof(QvSettingsRecord, calibration) != 8 || offsetof(CalResSettings, fX) != 48 ||
        sizeof(CalResSettings) != 160 || sizeof(HardwareSettings) != 88 || sizeof(ImageProcSettings) != 12) {
        return 5;
    }
    return 0;
}
