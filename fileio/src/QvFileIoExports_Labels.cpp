// The exported C interface, third part: the label file and the keyboard tables.
#include "ExportSupport.h"
#include "KeyboardTables.h"
#include "Labels.h"
#include "qvfileio.h"

using namespace qvfileio;

namespace {

template <typename Group, typename Read>
int32_t readGroup(Group* group, int32_t language, Read read) {
    if (group == nullptr) {
        return 0;
    }
    return guarded([&] { return read(libraryContext(), *group, language); }, 0);
}

template <typename Group, typename Set>
void setGroup(Group* group, Set set) {
    if (group != nullptr) {
        set(*group);
    }
}

}  // namespace

extern "C" {

QVFILEIO_EXPORT int32_t ReadQVXLabels(QvxLabelsRecord* record) {
    if (record == nullptr) {
        return 0;
    }
    return guarded([&] { return readLabels(libraryContext(), *record); }, 0);
}

QVFILEIO_EXPORT int32_t ReadQVXLabelsHelper(QvxLabelsRecord* record, const char16_t* path) {
    if (record == nullptr) {
        return 0;
    }
    return guarded([&] { return readLabelsFrom(libraryContext(), *record, pathView(path)); }, 0);
}

QVFILEIO_EXPORT int32_t ReadQVXCalLabels(QvxCalLabels* group, int32_t language) {
    return readGroup(group, language, readCalLabels);
}
QVFILEIO_EXPORT void SetQVXCalLabelDefaults(QvxCalLabels* group) {
    setGroup(group, setCalLabelDefaults);
}
QVFILEIO_EXPORT int32_t ReadQVXKbdLabels(QvxKbdLabels* group, int32_t language) {
    return readGroup(group, language, readKbdLabels);
}
QVFILEIO_EXPORT void SetQVXKbdLabelDefaults(QvxKbdLabels* group) {
    setGroup(group, setKbdLabelDefaults);
}
QVFILEIO_EXPORT int32_t ReadQVXLALabels(QvxLALabels* group, int32_t language) {
    return readGroup(group, language, readLALabels);
}
QVFILEIO_EXPORT void SetQVXLALabelDefaults(QvxLALabels* group) {
    setGroup(group, setLALabelDefaults);
}
QVFILEIO_EXPORT int32_t ReadQVXMenuLabels(QvxMenuLabels* group, int32_t language) {
    return readGroup(group, language, readMenuLabels);
}
QVFILEIO_EXPORT void SetQVXMenuLabelDefaults(QvxMenuLabels* group) {
    setGroup(group, setMenuLabelDefaults);
}
QVFILEIO_EXPORT int32_t ReadQVXPaddleLabels(QvxPaddleLabels* group, int32_t language) {
    return readGroup(group, language, readPaddleLabels);
}
QVFILEIO_EXPORT void SetQVXPaddleLabelDefaults(QvxPaddleLabels* group) {
    setGroup(group, setPaddleLabelDefaults);
}
QVFILEIO_EXPORT int32_t ReadQVXPCAccessLabels(QvxPCAccessLabels* group, int32_t language) {
    return readGroup(group, language, readPCAccessLabels);
}
QVFILEIO_EXPORT void SetQVXPCAccessLabelDefaults(QvxPCAccessLabels* group) {
    setGroup(group, setPCAccessLabelDefaults);
}
QVFILEIO_EXPORT int32_t ReadQVXPhoneLabels(QvxPhoneLabels* group, int32_t language) {
    return readGroup(group, language, readPhoneLabels);
}
QVFILEIO_EXPORT void SetQVXPhoneLabelDefaults(QvxPhoneLabels* group) {
    setGroup(group, setPhoneLabelDefaults);
}
QVFILEIO_EXPORT int32_t ReadQVXPhrasesLabels(QvxPhrasesLabels* group, int32_t language) {
    return readGroup(group, language, readPhrasesLabels);
}
QVFILEIO_EXPORT void SetQVXPhrasesLabelDefaults(QvxPhrasesLabels* group) {
    setGroup(group, setPhrasesLabelDefaults);
}
QVFILEIO_EXPORT int32_t ReadQVXReadLabels(QvxReadLabels* group, int32_t language) {
    return readGroup(group, language, readReadLabels);
}
QVFILEIO_EXPORT void SetQVXReadLabelDefaults(QvxReadLabels* group) {
    setGroup(group, setReadLabelDefaults);
}

QVFILEIO_EXPORT int32_t ReadQVXKeyLocations(KeyLocationTable* table, int32_t language) {
    return readGroup(table, language, readKeyLocations);
}
QVFILEIO_EXPORT void SetQVXKeyLocDefaults(KeyLocationTable* table) {
    setGroup(table, setKeyLocDefaults);
}
QVFILEIO_EXPORT int32_t ReadQVXKeyboardAsciiCodes(KeyboardAsciiCodes* table, int32_t language) {
    return readGroup(table, language, readKeyboardAsciiCodes);
}
QVFILEIO_EXPORT void SetQVXKeyboardAsciiCodesDefaults(KeyboardAsciiCodes* table) {
    setGroup(table, setKeyboardAsciiCodesDefaults);
}
QVFILEIO_EXPORT void BuildTTAMArray(int32_t kind, TTAMArray* table) {
    if (table != nullptr) {
        buildTTAMArray(kind, *table);
    }
}
QVFILEIO_EXPORT int32_t ReadQVXScanningKeyboard(ScanningKeyboardLayout* layout, int32_t kind, int32_t language) {
    if (layout == nullptr) {
        return 0;
    }
    return guarded([&] { return readScanningKeyboard(libraryContext(), *layout, kind, language); }, 0);
}
QVFILEIO_EXPORT void SetQVXScanningKeyboardDefaults(ScanningKeyboardLayout* layout) {
    setGroup(layout, setScanningKeyboardDefaults);
}

}  // extern "C"
