#include "CalibrationFile.h"

#include <charconv>
#include <cmath>
#include <filesystem>
#include <map>
#include <vector>

#include "RegularFile.h"

namespace qvtrack {

namespace {

constexpr std::string_view kModelKey = "model";
constexpr std::string_view kXKey = "x";
constexpr std::string_view kYKey = "y";
constexpr std::string_view kTargetsKey = "targets";
constexpr std::string_view kResidualKey = "residual";
constexpr std::string_view kAffineName = "affine";
constexpr std::string_view kQuadraticName = "quadratic";
constexpr int kFewestTargets = 3;

std::vector<std::string_view> Fields(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t at = 0;
    while (at < line.size()) {
        const std::size_t start = line.find_first_not_of(" \t", at);
        if (start == std::string_view::npos) {
            break;
        }
        const std::size_t end = std::min(line.find_first_of(" \t", start), line.size());
        fields.push_back(line.substr(start, end - start));
        at = end;
    }
    return fields;
}

std::optional<double> Number(std::string_view text) {
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

CalibrationFile::ReadResult Refuse(std::string why) {
    CalibrationFile::ReadResult result;
    result.status = CalibrationFile::Status::Refused;
    result.error = std::move(why);
    return result;
}

// Independent of the C locale (a Qt program sets the user's), so a German desktop still
// writes "0.5" and not "0,5".
std::string Text(double value, int precision) {
    char buffer[40];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, precision);
    return ec == std::errc() ? std::string(buffer, end) : std::string("0");
}

std::string Quoted(std::string_view key) {
    return "\"" + std::string(key) + "\"";
}

const char* ModelName(HeadMap::Model model) {
    return model == HeadMap::Model::Quadratic ? kQuadraticName.data() : kAffineName.data();
}

}  // namespace

CalibrationFile::ReadResult CalibrationFile::Parse(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.push_back(line);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    if (lines.empty() || lines.front() != kFirstLine) {
        return Refuse("it does not start with \"" + std::string(kFirstLine) + "\"");
    }
    std::map<std::string_view, std::vector<std::string_view>> values;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        auto fields = Fields(lines[i]);
        const std::string where = "line " + std::to_string(i + 1);
        if (fields.empty()) {
            return Refuse(where + " is empty");
        }
        const std::string_view key = fields.front();
        if (key != kModelKey && key != kXKey && key != kYKey && key != kTargetsKey && key != kResidualKey) {
            return Refuse(where + " is not a calibration line");
        }
        if (values.count(key)) {
            return Refuse(where + " repeats " + Quoted(key));
        }
        fields.erase(fields.begin());
        values[key] = std::move(fields);
    }
    for (std::string_view key : {kModelKey, kXKey, kYKey, kTargetsKey, kResidualKey}) {
        if (!values.count(key)) {
            return Refuse("the line " + Quoted(key) + " is missing");
        }
    }

    const auto& modelFields = values[kModelKey];
    if (modelFields.size() != 1 || (modelFields[0] != kAffineName && modelFields[0] != kQuadraticName)) {
        return Refuse("the model is neither \"affine\" nor \"quadratic\"");
    }
    const HeadMap::Model model = modelFields[0] == kQuadraticName ? HeadMap::Model::Quadratic : HeadMap::Model::Affine;
    const std::size_t terms = model == HeadMap::Model::Quadratic ? HeadMap::kQuadraticTerms : HeadMap::kAffineTerms;
    HeadMap::Coefficients coefficients[2]{};
    std::string_view keys[2] = {kXKey, kYKey};
    for (int axis = 0; axis < 2; ++axis) {
        const auto& fields = values[keys[axis]];
        if (fields.size() != terms) {
            return Refuse("the line " + Quoted(keys[axis]) + " needs " + std::to_string(terms) + " numbers");
        }
        for (std::size_t i = 0; i < terms; ++i) {
            auto number = Number(fields[i]);
            if (!number) {
                return Refuse("the line " + Quoted(keys[axis]) + " holds something that is not a number");
            }
            coefficients[axis][i] = *number;
        }
    }
    auto map = HeadMap::FromCoefficients(model, coefficients[0], coefficients[1]);
    if (!map) {
        return Refuse("its map does not follow the head (coefficients out of range)");
    }

    const auto& targetFields = values[kTargetsKey];
    int targets = 0;
    if (targetFields.size() == 1) {
        const std::string_view t = targetFields[0];
        const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), targets);
        if (ec != std::errc() || end != t.data() + t.size()) {
            targets = 0;
        }
    }
    if (targets < kFewestTargets || targets > kMostTargets) {
        return Refuse("the number of targets is not a whole number from 3 to 99");
    }
    const auto& residualFields = values[kResidualKey];
    std::optional<double> residual = residualFields.size() == 1 ? Number(residualFields[0]) : std::nullopt;
    if (!residual || *residual < 0 || *residual > kLargestResidual) {
        return Refuse("the residual is not a number from 0 to 10");
    }
    map->setResidual(*residual);

    ReadResult result;
    result.status = Status::Ok;
    result.contents.map = *map;
    result.contents.targets = targets;
    return result;
}

CalibrationFile::ReadResult CalibrationFile::Read(const std::string& path) {
    support::FileBytes file = support::ReadRegularFile(path, kMaxBytes);
    switch (file.status) {
        case support::ReadStatus::Ok:
            break;
        case support::ReadStatus::Missing:
            return ReadResult{};
        case support::ReadStatus::NotRegular:
            return Refuse("it is not a regular file");
        case support::ReadStatus::TooLarge:
            return Refuse("it is larger than " + std::to_string(kMaxBytes) + " bytes");
        case support::ReadStatus::Unreadable:
            return Refuse("it cannot be read");
    }
    return Parse(std::string_view(reinterpret_cast<const char*>(file.bytes.data()), file.bytes.size()));
}

std::string CalibrationFile::Format(const Contents& contents) {
    const HeadMap& map = contents.map;
    const std::size_t terms =
        map.model() == HeadMap::Model::Quadratic ? HeadMap::kQuadraticTerms : HeadMap::kAffineTerms;
    std::string text = std::string(kFirstLine) + "\n";
    text += std::string(kModelKey) + " " + ModelName(map.model()) + "\n";
    const HeadMap::Coefficients* axes[2] = {&map.xCoefficients(), &map.yCoefficients()};
    const std::string_view keys[2] = {kXKey, kYKey};
    for (int axis = 0; axis < 2; ++axis) {
        text += keys[axis];
        for (std::size_t i = 0; i < terms; ++i) {
            text += " " + Text((*axes[axis])[i], 17);
        }
        text += "\n";
    }
    text += std::string(kTargetsKey) + " " + std::to_string(contents.targets) + "\n";
    text += std::string(kResidualKey) + " " + Text(map.residual(), 6) + "\n";
    return text;
}

support::WriteStatus CalibrationFile::Write(const std::string& path, const Contents& contents) {
    std::error_code ec;
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    if (!folder.empty()) {
        std::filesystem::create_directories(folder, ec);
        if (ec) {
            return support::WriteStatus::CannotOpen;
        }
    }
    return support::WriteFileAtomically(path, Format(contents));
}

}  // namespace qvtrack
