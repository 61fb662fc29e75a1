#include "PupilMessage.h"

#define MSGPACK_NO_BOOST 1
#include <cmath>
#include <limits>
#include <msgpack.hpp>
#include <optional>
#include <string_view>

#include "Pixel.h"

namespace qvtrack {

namespace {

constexpr std::string_view kGazeKey = "gaze_on_surfaces";
constexpr std::string_view kPositionKey = "norm_pos";
constexpr std::string_view kConfidenceKey = "confidence";
constexpr std::string_view kOnSurfaceKey = "on_surf";
constexpr double kMaxNormalized = 16.0;  // further off the surface is a broken value

// Generous for the real messages (a few dozen keys, arrays of a few hundred entries), small
// enough that a hostile size field cannot make the decoder reserve much.
msgpack::unpack_limit Limits() {
    constexpr std::size_t kArray = 4096;
    constexpr std::size_t kMap = 256;
    constexpr std::size_t kString = 64 * 1024;
    constexpr std::size_t kBinary = 1024 * 1024;
    constexpr std::size_t kExt = 1024;
    constexpr std::size_t kDepth = 16;
    return msgpack::unpack_limit(kArray, kMap, kString, kBinary, kExt, kDepth);
}

const msgpack::object* Find(const msgpack::object& map, std::string_view key) {
    if (map.type != msgpack::type::MAP) {
        return nullptr;
    }
    for (std::uint32_t i = 0; i < map.via.map.size; ++i) {
        const msgpack::object& k = map.via.map.ptr[i].key;
        if (k.type == msgpack::type::STR && std::string_view(k.via.str.ptr, k.via.str.size) == key) {
            return &map.via.map.ptr[i].val;
        }
    }
    return nullptr;
}

std::optional<double> Number(const msgpack::object* o) {
    if (!o) {
        return std::nullopt;
    }
    double v = 0;
    switch (o->type) {
        case msgpack::type::POSITIVE_INTEGER:
            v = static_cast<double>(o->via.u64);
            break;
        case msgpack::type::NEGATIVE_INTEGER:
            v = static_cast<double>(o->via.i64);
            break;
        case msgpack::type::FLOAT32:
        case msgpack::type::FLOAT64:
            v = o->via.f64;
            break;
        default:
            return std::nullopt;
    }
    if (!std::isfinite(v)) {
        return std::nullopt;
    }
    return v;
}

}  // namespace

bool PupilMessage::parseSurfaceGaze(const char* data, std::size_t size, HostScreen screen,
                                    std::vector<GazeSample>& out) {
    try {
        msgpack::object_handle handle = msgpack::unpack(data, size, nullptr, nullptr, Limits());
        const msgpack::object& root = handle.get();
        if (root.type != msgpack::type::MAP) {
            return false;
        }
        const msgpack::object* gaze = Find(root, kGazeKey);
        if (!gaze || gaze->type != msgpack::type::ARRAY) {
            return true;  // a surface event without gaze: nothing to add
        }
        std::size_t added = 0;
        for (std::uint32_t i = 0; i < gaze->via.array.size && added < kMaxSamplesPerMessage; ++i) {
            const msgpack::object& entry = gaze->via.array.ptr[i];
            const msgpack::object* pos = Find(entry, kPositionKey);
            if (!pos || pos->type != msgpack::type::ARRAY || pos->via.array.size != 2) {
                continue;
            }
            auto nx = Number(&pos->via.array.ptr[0]);
            auto ny = Number(&pos->via.array.ptr[1]);
            if (!nx || !ny || std::fabs(*nx) > kMaxNormalized || std::fabs(*ny) > kMaxNormalized) {
                continue;
            }
            auto confidence = Number(Find(entry, kConfidenceKey));
            const msgpack::object* onSurface = Find(entry, kOnSurfaceKey);
            bool on = onSurface && onSurface->type == msgpack::type::BOOLEAN && onSurface->via.boolean;
            GazeSample s{};
            s.found = on && confidence && *confidence >= kMinConfidence ? 1 : 0;
            s.x = FractionToPixel(*nx, screen.width);
            s.y = FractionToPixel(1.0 - *ny, screen.height);  // origin bottom left -> top left
            out.push_back(s);
            ++added;
        }
        return true;
    } catch (...) {
        // Truncated, oversized or malformed payloads: refused whole.
        return false;
    }
}

}  // namespace qvtrack
