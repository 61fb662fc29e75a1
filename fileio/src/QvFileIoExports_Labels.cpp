// The exported C interface, third part: the label file and the keyboard tables.
#include "ExportSupport.h"
#include "KeyboardTables.h"
#include "Labels.h"
#include "qvfileio.h"

using namespace qvfileio;

extern "C" {

QVFILEIO_EXPORT int32_t ReadQVXLabels(QvxLabelsRecord* record) {
    return callOn(record, 0, [&](auto& target) { return readLabels(libraryContext(), target); });
}

QVFILEIO_EXPORT int32_t ReadQVXLabelsHelper(QvxLabelsRecord* record, const char16_t* path) {
    return callOn(record, 0, [&](auto& target) { return readLabelsFrom(libraryContext(), target, pathView(path)); });
}

QVFILEIO_EXPORT int32_t ReadQVXCalLabels(QvxCalLabels* group, int32_t language) {
    return readInto(group, language, readCalLabels);
}
QVFILEIO_EXPORT void SetQVXCalLabelDefaults(QvxCalLabels* group) {
    setDefaults(group, setCalLabelDefaults);
}
QVFILEIO_EXPORT int32_t ReadQVXKbdLabels(QvxKbdLabels* group, int32_t language) {
    return readInto(group, language, readKbdLabels);
}
QVFILEIO_EXPORT void SetQVXKbdLabelDefaults(QvxKbdLabels* group) {
    setDefaults(group, setKbdLabelDefaults);
}
QVFILEIO_EXPORT int32_t ReadQVXLALabels(QvxLALabels* group, int32_t language) {
    return readInto(group, language, readLALabels);
}
QVFILEIO_EXPORT void SetQVXLALabelDefaults(QvxLALabels* group) {
    setDefaults(group, setLALabelDefaults);
}
QVFILEIO_EXPORT int32_t ReadQVXMenuLabels(QvxMenuLabels* group, int32_t language) {
    return readInto(group, language, readMenuLabels);
}
QVFILEIO_EXPORT void SetQVXMenuLabelDefaults(QvxMenuLabels* group) {
    setDefaults(group, setMenuLabelDefaults);
}
QVFILEIO_EXPORT int32_t ReadQVXPaddleLabels(QvxPaddleLabels* group, int32_t language) {
    return readInto(group, language, readPaddleLabels);
}
QVFILEIO_EXPORT void SetQVXPaddleLabelDefaults(QvxPaddleLabels* group) {
    setDefaults(group, setPaddleLabelDefaults);
}
QVFILEIO_EXPORT int32_t ReadQVXPCAccessLabels(QvxPCAccessLabels* group, int32_t language) {
    return readInto(group, language, readPCAccessLabels);
}
QVFILEIO_EXPORT void SetQVXPCAccessLabelDefaults(QvxPCAccessLabels* group) {
    setDefaults(group, setPCAccessLabelDefaults);
}
QVFILEIO_EXPORT int32_t ReadQVXPhoneLabels(QvxPhoneLabels* group, int32_t language) {
    return readInto(group, language, readPhoneLabels);
}
QVFILEIO_EXPORT void SetQVXPhoneLabelDefaults(QvxPhoneLabels* group) {
    setDefaults(group, setPhoneLabelDefaults);
}
QVFILEIO_EXPORT int32_t ReadQVXPhrasesLabels(QvxPhrasesLabels* group, int32_t language) {
    return readInto(group, language, readPhrasesLabels);
}
QVFILEIO_EXPORT void SetQVXPhrasesLabelDefaults(QvxPhrasesLabels* group) {
    setDefaults(group, setPhrasesLabelDefaults);
}
QVFILEIO_EXPORT int32_t ReadQVXReadLabels(QvxReadLabels* group, int32_t language) {
    return readInto(group, language, readReadLabels);
}
QVFILEIO_EXPORT void SetQVXReadLabelDefaults(QvxReadLabels* group) {
    setDefaults(group, setReadLabelDefaults);
}

QVFILEIO_EXPORT int32_t ReadQVXKeyLocations(KeyLocationTable* table, int32_t language) {
    return readInto(table, language, readKeyLocations);
}
QVFILEIO_EXPORT void SetQVXKeyLocDefaults(KeyLocationTable* table) {
    setDefaults(table, setKeyLocDefaults);
}
QVFILEIO_EXPORT int32_t ReadQVXKeyboardAsciiCodes(KeyboardAsciiCodes* table, int32_t language) {
    return readInto(table, language, readKeyboardAsciiCodes);
}
QVFILEIO_EXPORT void SetQVXKeyboardAsciiCodesDefaults(KeyboardAsciiCodes* table) {
    setDefaults(table, setKeyboardAsciiCodesDefaults);
}
QVFILEIO_EXPORT void BuildTTAMArray(int32_t kind, TTAMArray* table) {
    setDefaults(table, [&](auto& target) { buildTTAMArray(kind, target); });
}
QVFILEIO_EXPORT int32_t ReadQVXScanningKeyboard(ScanningKeyboardLayout* layout, int32_t kind, int32_t language) {
    return callOn(layout, 0,
                  [&](auto& target) { return readScanningKeyboard(libraryContext(), target, kind, language); });
}
QVFILEIO_EXPORT void SetQVXScanningKeyboardDefaults(ScanningKeyboardLayout* layout) {
    setDefaults(layout, setScanningKeyboardDefaults);
}

}  // extern "C"
