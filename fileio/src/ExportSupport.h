// What every export shares: the process-wide context, path arguments and the guard that keeps
// C++ exceptions (only allocation failure can throw) from crossing into a C caller; such a call
// then reports 0 (a writer: non-zero failure).
#pragma once

#include <cstdint>
#include <string_view>

#include "FileIoContext.h"
#include "FileStreams.h"

namespace qvfileio {

FileIoContext& libraryContext();

// Library paths longer than this are not names the library ever builds or reads.
constexpr std::size_t kMaxPathChars = 32767;

inline std::u16string_view pathView(const char16_t* path) {
    if (path == nullptr) {
        return {};
    }
    std::size_t n = 0;
    while (n < kMaxPathChars && path[n] != 0) {
        ++n;
    }
    return std::u16string_view(path, n);
}

template <typename F>
auto guarded(F&& f, decltype(f()) onFailure) noexcept -> decltype(f()) {
    try {
        return f();
    } catch (...) {
        return onFailure;
    }
}

template <typename F>
void guardedVoid(F&& f) noexcept {
    try {
        f();
    } catch (...) {
    }
}

// The shapes of most exports. A null record, block or group is refused with 0 and nothing is
// touched; a call that throws reports onFailure.
template <typename Target, typename Call>
std::int32_t callOn(Target* target, std::int32_t onFailure, Call&& call) noexcept {
    if (target == nullptr) {
        return 0;
    }
    return guarded([&] { return call(*target); }, onFailure);
}

// read(context, target, language) on the process-wide context.
template <typename Target, typename Read>
std::int32_t readInto(Target* target, std::int32_t language, Read read) noexcept {
    return callOn(target, 0, [&](Target& t) { return read(libraryContext(), t, language); });
}

// set(target): a default setter, nothing for a null target.
template <typename Target, typename Set>
void setDefaults(Target* target, Set set) {
    if (target != nullptr) {
        set(*target);
    }
}

}  // namespace qvfileio
