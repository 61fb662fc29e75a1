/* Compiled as C: the public header must serve C callers, and its records must have the layout
 * that C sees. A failed check prints its file, line and condition and ends the caller with 1. */
#include <stddef.h>
#include <string.h>

#include "CCheck.h"
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
    CHECK(major == 1 && minor == 5);
    memset(&record, 0, sizeof record);
    record.language = 4;
    vSetDefaultQvSettings(&record);
    CHECK(record.result == 7);
    CHECK(record.language == 4);
    CHECK(record.calibration.calRes[2].iNumCalPoints == 14);
    hardware.iVideoGain = 99;
    vSetHardwareDefaults(&hardware, 0);
    CHECK(hardware.iVideoGain == 99);
    CHECK(hardware.fMonitorWidth >= 276.0f);
    LanguageFromDichar(uk, &language);
    CHECK(language == 17);
    CHECK(offsetof(QvSettingsRecord, calibration) == 8);
    CHECK(offsetof(CalResSettings, fX) == 48);
    CHECK(sizeof(CalResSettings) == 160);
    CHECK(sizeof(HardwareSettings) == 88);
    CHECK(sizeof(ImageProcSettings) == 12);
    return 0;
}
