// Write plus read back of a whole tracker settings file: through memory streams (the format
// work alone) and through the exported functions on a real file (with the safe replace,
// including its sync to disk).
#include <benchmark/benchmark.h>

#include <filesystem>

#include "ByteStream.h"
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
        qvfileio::MemorySink sink;
        qvfileio::writeQvSettingsTo(sink, record);
        qvfileio::MemorySource source(sink.bytes());
        QvSettingsRecord back{};
        benchmark::DoNotOptimize(qvfileio::readQvSettingsFrom(context, back, source));
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

}  // namespace

BENCHMARK_MAIN();
