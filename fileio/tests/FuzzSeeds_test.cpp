// Every seed input of the fuzzers (tests/data/fuzz_<kind>/<input>) read the way its fuzzer reads
// it, with what the read produced written as text and compared byte for byte with
// <input>.expected beside it. The fuzzers only show that nothing crashes; this table shows that
// each input still reads to the same record.
//
// After a deliberate change of what the reads produce, run the test once with
// LUMORA_WRITE_EXPECTED=1 in the environment: it writes the .expected files instead of comparing.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "CommunicationFile.h"
#include "FileIoContext.h"
#include "KeyboardTables.h"
#include "Labels.h"
#include "LegacyFilesInput.h"
#include "FileIoTest.h"
#include "TrackerFile.h"
#include "qvfileio.h"

using namespace qvfileio;
namespace fs = std::filesystem;

namespace {

std::uint64_t fnv1a(std::span<const std::uint8_t> bytes) {
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (std::uint8_t b : bytes) {
        hash = (hash ^ b) * 0x100000001b3ULL;
    }
    return hash;
}

template <typename Record>
std::uint64_t recordDigest(const Record& record) {
    return fnv1a({reinterpret_cast<const std::uint8_t*>(&record), sizeof record});
}

std::string fileText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::string line(const char* what, std::int64_t value) {
    return std::string(what) + ' ' + std::to_string(value) + '\n';
}

std::string digestLine(const char* what, std::uint64_t digest) {
    char text[40];
    std::snprintf(text, sizeof text, "%016" PRIx64, digest);
    return std::string(what) + " fnv1a64 " + text + '\n';
}

// A tracker record: the read's result, the record's own result and language, and the file it
// writes back (every field that is saved, in a form free of padding bytes).
std::string trackerOutcome(const char* name, int result, const QvSettingsRecord& record) {
    return std::string(name) + '\n' + line("  read", result) + line("  result", record.result) +
           line("  language", record.language) + digestLine("  file", fnv1a(qvSettingsFileBytes(record)));
}

std::string communicationOutcome(const char* name, int result, const QvxSettingsRecord& record) {
    return std::string(name) + '\n' + line("  read", result) + line("  result", record.result) +
           line("  language", record.language) + digestLine("  file", fnv1a(qvxSettingsFileBytes(record)));
}

// Labels have no file form of their own: the record's bytes (it is made zeroed, so the padding
// is zero too).
std::string labelsOutcome(int result, const QvxLabelsRecord& record) {
    return std::string("labels\n") + line("  read", result) + line("  result", record.result) +
           line("  language", record.language) + digestLine("  record", recordDigest(record));
}

std::string readTracker(const fs::path& input) {
    FileIoContext context;
    QvSettingsRecord record{};
    const int result = readQvSettingsFrom(context, record, input.u16string());
    return trackerOutcome("tracker", result, record);
}

std::string readCommunication(const fs::path& input) {
    FileIoContext context;
    auto record = std::make_unique<QvxSettingsRecord>();
    const int result = readQvxSettingsFrom(context, *record, input.u16string());
    return communicationOutcome("communication", result, *record);
}

// As the label fuzzer: the input is language 0's label file; the key-location kind follows the
// input's size.
std::string readLabelFile(const fs::path& input) {
    fs::create_directory("QVXSettings");
    fs::copy_file(input, "QVXSettings/Labels_US.qvx", fs::copy_options::overwrite_existing);
    FileIoContext context;
    auto record = std::make_unique<QvxLabelsRecord>();
    record->keyLocations.kind = static_cast<std::int32_t>(fs::file_size(input) % 2);
    std::string outcome = labelsOutcome(readLabels(context, *record), *record);
    for (std::int32_t kind = 0; kind < 2; ++kind) {
        auto layout = std::make_unique<ScanningKeyboardLayout>();
        const int result = readScanningKeyboard(context, *layout, kind, 0);
        outcome += "scanning keyboard " + std::to_string(kind) + '\n' + line("  read", result) +
                   digestLine("  layout", recordDigest(*layout));
    }
    return outcome;
}

// As the legacy fuzzer: the pieces become the older files, the current language is resolved
// from them, and the whole-file reads fall back to them (and convert them when the settings
// folders are there).
std::string readLegacyFiles(const fs::path& input) {
    legacy_input::removePreviousFiles();
    const bool folders = legacy_input::putFiles(fileText(input));
    if (folders) {
        fs::create_directory("QVSettings");
        fs::create_directory("QVXSettings");
    }
    FileIoContext context;
    QvSettingsRecord tracker{};
    tracker.language = -1;
    std::string outcome = trackerOutcome("tracker", readQvSettings(context, tracker), tracker);
    auto communication = std::make_unique<QvxSettingsRecord>();
    communication->language = -1;
    outcome += communicationOutcome("communication", readQvxSettings(context, *communication), *communication);
    auto labels = std::make_unique<QvxLabelsRecord>();
    labels->language = -1;
    labels->keyLocations.kind = static_cast<std::int32_t>(fs::file_size(input) % 2);
    outcome += labelsOutcome(readLabels(context, *labels), *labels);
    if (folders) {
        QvSettingsRecord again{};
        again.language = -1;
        outcome += trackerOutcome("tracker converted", readQvSettings(context, again), again);
        auto communicationAgain = std::make_unique<QvxSettingsRecord>();
        communicationAgain->language = -1;
        outcome += communicationOutcome("communication converted", readQvxSettings(context, *communicationAgain),
                                        *communicationAgain);
    }
    return outcome;
}

std::string readAsItsFuzzerDoes(const fs::path& input) {
    const std::string kind = input.parent_path().filename().string();
    if (kind == "fuzz_qvsettings") {
        return readTracker(input);
    }
    if (kind == "fuzz_qvxsettings") {
        return readCommunication(input);
    }
    if (kind == "fuzz_qvxlabels") {
        return readLabelFile(input);
    }
    if (kind == "fuzz_legacy") {
        return readLegacyFiles(input);
    }
    ADD_FAILURE() << "no fuzzer reads " << kind;
    return {};
}

std::vector<std::string> seedInputs() {
    std::vector<std::string> inputs;
    for (const auto& folder : fs::directory_iterator(LUMORA_TEST_DATA_DIR)) {
        if (!folder.is_directory() || !folder.path().filename().string().starts_with("fuzz_")) {
            continue;
        }
        for (const auto& entry : fs::directory_iterator(folder.path())) {
            if (entry.is_regular_file() && entry.path().extension() != ".expected") {
                inputs.push_back(fs::relative(entry.path(), LUMORA_TEST_DATA_DIR).string());
            }
        }
    }
    std::sort(inputs.begin(), inputs.end());
    return inputs;
}

class FuzzSeedsTest : public FileIoTest, public ::testing::WithParamInterface<std::string> {};

TEST_P(FuzzSeedsTest, ReadsToTheExpectedRecord) {
    const fs::path input = fs::path(LUMORA_TEST_DATA_DIR) / GetParam();
    const fs::path expectedFile = input.string() + ".expected";
    const std::string outcome = readAsItsFuzzerDoes(input);
    if (std::getenv("LUMORA_WRITE_EXPECTED") != nullptr) {
        testsupport::WriteFile(expectedFile, outcome);
        return;
    }
    ASSERT_TRUE(fs::exists(expectedFile)) << expectedFile << " is missing: every seed input has one";
    EXPECT_EQ(testsupport::ReadFile(expectedFile), outcome) << "for " << input;
}

INSTANTIATE_TEST_SUITE_P(Seeds, FuzzSeedsTest, ::testing::ValuesIn(seedInputs()), [](const auto& info) {
    std::string name = info.param;
    for (char& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c))) {
            c = '_';
        }
    }
    return name;
});

}  // namespace
