// Write plus read back of a whole tracker settings file: in memory (the format work alone) and
// through the exported functions on a real file (with the safe replace, including its syncs to
// disk), and the write alone on a real file. The same in memory for the much larger
// communication settings file, and a read of the label file with its keyboard tables.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "CommunicationFile.h"
#include "FileIoContext.h"
#include "TrackerBlocks.h"
#include "TrackerFile.h"
#include "qvfileio.h"

namespace {

QvSettingsRecord defaultRecord() {
    QvSettingsRecord record{};
    qvfileio::setDefaultQvSettings(record);
    qvfileio::setHardwareDefaults(record.hardware, true);
    return record;
}

void TrackerFileRoundTripInMemory(benchmark::State& state) {
    qvfileio::FileIoContext context;
    QvSettingsRecord record = defaultRecord();
    for (auto _ : state) {
        const std::vector<std::uint8_t> bytes = qvfileio::qvSettingsFileBytes(record);
        QvSettingsRecord back{};
        benchmark::DoNotOptimize(qvfileio::readQvSettingsFrom(context, back, bytes));
    }
}
BENCHMARK(TrackerFileRoundTripInMemory)->Unit(benchmark::kMicrosecond);

void TrackerFileRoundTripOnDisk(benchmark::State& state) {
    auto dir = std::filesystem::temp_directory_path() / "lumora_bench_fileio";
    std::filesystem::create_directories(dir);
    auto previous = std::filesystem::current_path();
    std::filesystem::current_path(dir);
    QvSettingsRecord record = defaultRecord();
    for (auto _ : state) {
        vWriteQvSettingsHelper(&record, u"bench.qv");
        QvSettingsRecord back{};
        benchmark::DoNotOptimize(vReadQvSettingsHelper(&back, u"bench.qv"));
    }
    std::filesystem::current_path(previous);
    std::filesystem::remove_all(dir);
}
BENCHMARK(TrackerFileRoundTripOnDisk)->Unit(benchmark::kMicrosecond);

void TrackerFileWriteOnDisk(benchmark::State& state) {
    auto dir = std::filesystem::temp_directory_path() / "lumora_bench_fileio";
    std::filesystem::create_directories(dir);
    auto previous = std::filesystem::current_path();
    std::filesystem::current_path(dir);
    QvSettingsRecord record = defaultRecord();
    for (auto _ : state) {
        benchmark::DoNotOptimize(vWriteQvSettingsHelper(&record, u"bench.qv"));
    }
    std::filesystem::current_path(previous);
    std::filesystem::remove_all(dir);
}
BENCHMARK(TrackerFileWriteOnDisk)->Unit(benchmark::kMicrosecond);

void CommunicationFileRoundTripInMemory(benchmark::State& state) {
    qvfileio::FileIoContext context;
    // Tens of kilobytes: off the stack.
    auto record = std::make_unique<QvxSettingsRecord>();
    qvfileio::setDefaultQvxSettings(*record);
    auto back = std::make_unique<QvxSettingsRecord>();
    for (auto _ : state) {
        const std::vector<std::uint8_t> bytes = qvfileio::qvxSettingsFileBytes(*record);
        *back = QvxSettingsRecord{};
        benchmark::DoNotOptimize(qvfileio::readQvxSettingsFrom(context, *back, bytes));
    }
}
BENCHMARK(CommunicationFileRoundTripInMemory)->Unit(benchmark::kMicrosecond);

void LabelFileRead(benchmark::State& state) {
    // A whole version-7 label file: the nine label groups and the keyboard tables.
    const std::string path = std::string(LUMORA_FILEIO_TEST_DATA) + "/fuzz_qvxlabels/v7.qvx";
    const std::u16string path16(path.begin(), path.end());
    auto record = std::make_unique<QvxLabelsRecord>();
    for (auto _ : state) {
        *record = QvxLabelsRecord{};
        benchmark::DoNotOptimize(ReadQVXLabelsHelper(record.get(), path16.c_str()));
    }
}
BENCHMARK(LabelFileRead)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
