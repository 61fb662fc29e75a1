#include "CameraModule.h"

#include <dlfcn.h>

#include <array>
#include <filesystem>
#include <mutex>

namespace qvtrack {

namespace {

constexpr std::size_t kErrorSize = 512;

// The file this code was loaded from: the tracker library, or a program linking its code.
std::string SelfPath() {
    Dl_info info{};
    if (::dladdr(reinterpret_cast<void*>(&CameraModule::Create), &info) != 0 && info.dli_fname &&
        std::filesystem::path(info.dli_fname).is_absolute()) {
        return info.dli_fname;
    }
    // A program's own name may be relative to a folder it has since left.
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : exe.string();
}

CameraModule::Entry LoadEntry(std::string& error) {
    static std::mutex mutex;
    static CameraModule::Entry entry = nullptr;
    static std::string failure;
    std::lock_guard lock(mutex);
    if (entry || !failure.empty()) {
        error = failure;
        return entry;
    }
    const std::vector<std::string> candidates = CameraModule::Candidates(SelfPath());
    for (const std::string& path : candidates) {
        std::error_code ec;
        if (!std::filesystem::exists(path, ec)) {
            continue;
        }
        void* handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!handle) {
            const char* why = ::dlerror();
            failure = "cannot load the camera module " + path + " (" + (why ? why : "unknown reason") + ")";
        } else if (void* symbol = ::dlsym(handle, CameraModule::kEntryName)) {
            entry = reinterpret_cast<CameraModule::Entry>(symbol);
        } else {
            failure = "the camera module " + path + " is not one of this build";
        }
        error = failure;
        return entry;
    }
    failure = std::string("the camera module ") + CameraModule::kFileName + " is missing" +
              (candidates.empty() ? std::string() : " (looked in " + candidates.front() + ")");
    error = failure;
    return nullptr;
}

}  // namespace

std::vector<std::string> CameraModule::Candidates(const std::string& selfPath) {
    if (selfPath.empty()) {
        return {};
    }
    const std::filesystem::path folder = std::filesystem::path(selfPath).parent_path();
    return {(folder / kFileName).string(), (folder.parent_path() / "lib" / kFileName).string()};
}

std::unique_ptr<GazeSource> CameraModule::Create(const SourceConfig& config, HostScreen screen, Clock& clock,
                                                 TrackStats& stats, std::string& error) {
    const Entry entry = LoadEntry(error);
    if (!entry) {
        return nullptr;
    }
    std::array<char, kErrorSize> why{};
    std::unique_ptr<GazeSource> source(entry(kInterface, config.path.c_str(), config.rateGiven ? config.rate : 0,
                                             config.speed, screen.width, screen.height, &clock, &stats, why.data(),
                                             why.size()));
    if (!source) {
        error = why.data();
    }
    return source;
}

}  // namespace qvtrack
