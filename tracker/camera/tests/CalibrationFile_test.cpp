#include "CalibrationFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace qvtrack {
namespace {

namespace fs = std::filesystem;

const char* const kGood =
    "Lumora camera calibration 1\n"
    "model quadratic\n"
    "x 0.5 -4.2 0.1 0.3 0.05 0\n"
    "y 0.48 0.02 5.5 0 0.1 -0.2\n"
    "targets 9\n"
    "residual 0.0042\n";

// Each case's folder inside the test's scratch folder, empty.
std::string Folder(const std::string& name) {
    const fs::path folder = fs::current_path() / "calibration-file" / name;
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder.string();
}

void Put(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

std::string Get(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream all;
    all << in.rdbuf();
    return all.str();
}

CalibrationFile::Contents Sample(HeadMap::Model model) {
    const HeadMap::Coefficients x = model == HeadMap::Model::Quadratic ? HeadMap::Coefficients{0.5, -4.2, 0.1, 0.3, 0.05, 1e-17}
                                                                        : HeadMap::Coefficients{0.51, -4.9, 0.013, 0, 0, 0};
    const HeadMap::Coefficients y = model == HeadMap::Model::Quadratic ? HeadMap::Coefficients{0.48, 0.02, 5.5, 0, 0.1, -0.2}
                                                                        : HeadMap::Coefficients{0.49, 1.0 / 3, 5.7, 0, 0, 0};
    CalibrationFile::Contents contents;
    contents.map = *HeadMap::FromCoefficients(model, x, y);
    contents.map.setResidual(0.0123);
    contents.targets = model == HeadMap::Model::Quadratic ? 9 : 6;
    return contents;
}

TEST(CalibrationFile, WhatIsWrittenReadsBackExactly) {
    const std::string folder = Folder("round-trip");
    for (HeadMap::Model model : {HeadMap::Model::Affine, HeadMap::Model::Quadratic}) {
        const std::string path = folder + "/lumora/camera-calibration";
        const CalibrationFile::Contents written = Sample(model);
        ASSERT_EQ(CalibrationFile::Write(path, written), support::WriteStatus::Ok);
        const auto read = CalibrationFile::Read(path);
        ASSERT_EQ(read.status, CalibrationFile::Status::Ok) << read.error;
        EXPECT_EQ(read.contents.map.model(), model);
        EXPECT_EQ(read.contents.map.xCoefficients(), written.map.xCoefficients());
        EXPECT_EQ(read.contents.map.yCoefficients(), written.map.yCoefficients());
        EXPECT_EQ(read.contents.targets, written.targets);
        EXPECT_DOUBLE_EQ(read.contents.map.residual(), 0.0123);
    }
}

TEST(CalibrationFile, TheFormatIsTheDocumentedOne) {
    const std::string text = CalibrationFile::Format(Sample(HeadMap::Model::Affine));
    EXPECT_EQ(text,
              "Lumora camera calibration 1\n"
              "model affine\n"
              "x 0.51000000000000001 -4.9000000000000004 0.012999999999999999\n"
              "y 0.48999999999999999 0.33333333333333331 5.7000000000000002\n"
              "targets 6\n"
              "residual 0.0123\n");
}

TEST(CalibrationFile, LinesInAnyOrderWithBlanksAndCarriageReturnsAreRead) {
    const auto read = CalibrationFile::Parse(
        "Lumora camera calibration 1\r\n"
        "residual 0\r\n"
        "\ttargets   3 \r\n"
        "y 0.5 0 5\r\n"
        "x  0.5 -5 0\r\n"
        "model affine\r\n");
    ASSERT_EQ(read.status, CalibrationFile::Status::Ok) << read.error;
    EXPECT_EQ(read.contents.targets, 3);
    EXPECT_EQ(read.contents.map.model(), HeadMap::Model::Affine);
}

TEST(CalibrationFile, DamagedTextIsRefusedWithAReason) {
    struct Case {
        const char* what;
        std::string text;
    };
    const std::string good = kGood;
    auto replace = [&good](const std::string& from, const std::string& to) {
        std::string text = good;
        text.replace(text.find(from), from.size(), to);
        return text;
    };
    const Case cases[] = {
        {"empty", ""},
        {"another file", "[Settings]\nfMinFixMs=500\n"},
        {"a newer version", replace("calibration 1", "calibration 2")},
        {"the first line only", "Lumora camera calibration 1\n"},
        {"a line missing", replace("targets 9\n", "")},
        {"a line repeated", good + "targets 9\n"},
        {"an unknown line", good + "gain 5\n"},
        {"an empty line", replace("targets 9\n", "\ntargets 9\n")},
        {"an unknown model", replace("model quadratic", "model cubic")},
        {"a model without its name", replace("model quadratic", "model")},
        {"too few coefficients", replace("x 0.5 -4.2 0.1 0.3 0.05 0", "x 0.5 -4.2 0.1")},
        {"too many coefficients", replace("x 0.5 -4.2 0.1 0.3 0.05 0", "x 0.5 -4.2 0.1 0.3 0.05 0 1")},
        {"not a number", replace("-4.2", "-4,2")},
        {"not a number at all", replace("-4.2", "nan")},
        {"infinite", replace("0.3", "inf")},
        {"a hexadecimal float", replace("0.3", "0x1p-2")},
        {"a plus sign", replace("0.3", "+0.3")},
        {"huge", replace("0.3", "1e300")},
        {"a map that does not follow the head", replace("y 0.48 0.02 5.5", "y 0.48 0 0")},
        {"too few targets", replace("targets 9", "targets 2")},
        {"too many targets", replace("targets 9", "targets 100")},
        {"targets not whole", replace("targets 9", "targets 9.5")},
        {"a negative residual", replace("residual 0.0042", "residual -1")},
        {"a residual too large", replace("residual 0.0042", "residual 11")},
        {"a NUL byte", replace("targets 9", std::string("targets 9\0", 10))},
        {"binary", std::string("\x89PNG\r\n\x1a\n\0\0\0", 11)},
    };
    for (const Case& k : cases) {
        const auto read = CalibrationFile::Parse(k.text);
        EXPECT_EQ(read.status, CalibrationFile::Status::Refused) << k.what;
        EXPECT_FALSE(read.error.empty()) << k.what;
        EXPECT_EQ(read.error.find('\n'), std::string::npos) << k.what;
    }
    EXPECT_EQ(CalibrationFile::Parse(good).status, CalibrationFile::Status::Ok);
}

TEST(CalibrationFile, AMissingFileIsNoCalibrationAndNoError) {
    const auto read = CalibrationFile::Read(Folder("missing") + "/lumora/camera-calibration");
    EXPECT_EQ(read.status, CalibrationFile::Status::Missing);
    EXPECT_TRUE(read.error.empty());
}

TEST(CalibrationFile, WhatIsNotASmallRegularFileIsRefusedUnread) {
    const std::string folder = Folder("not-regular");
    const std::string directory = folder + "/a-folder";
    fs::create_directories(directory);
    const std::string fifo = folder + "/a-fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string large = folder + "/large";
    Put(large, kGood + std::string(CalibrationFile::kMaxBytes, ' '));
    const std::string toZero = folder + "/to-zero";
    fs::create_symlink("/dev/zero", toZero);
    for (const std::string& path : {directory, fifo, large, toZero}) {
        const auto read = CalibrationFile::Read(path);  // a FIFO would block here if it were opened
        EXPECT_EQ(read.status, CalibrationFile::Status::Refused) << path;
        EXPECT_FALSE(read.error.empty()) << path;
    }
}

TEST(CalibrationFile, AFailedWriteKeepsTheOldCalibration) {
    const std::string folder = Folder("read-only");
    const std::string path = folder + "/camera-calibration";
    Put(path, kGood);
    ::chmod(path.c_str(), 0444);
    EXPECT_EQ(CalibrationFile::Write(path, Sample(HeadMap::Model::Affine)), support::WriteStatus::CannotOpen);
    EXPECT_EQ(Get(path), kGood);
    ::chmod(path.c_str(), 0644);
}

TEST(CalibrationFile, AFileWhereTheFolderShouldBeIsACleanFailure) {
    const std::string folder = Folder("file-as-folder");
    Put(folder + "/lumora", "not a folder");
    EXPECT_EQ(CalibrationFile::Write(folder + "/lumora/camera-calibration", Sample(HeadMap::Model::Affine)),
              support::WriteStatus::CannotOpen);
    EXPECT_EQ(Get(folder + "/lumora"), "not a folder");
}

}  // namespace
}  // namespace qvtrack
