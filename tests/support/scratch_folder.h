// A new, empty folder of a test's own in the system's temporary folder, removed with
// everything in it when the test ends; on Linux and under Wine alike.
#pragma once

#include <chrono>
#include <filesystem>
#include <random>
#include <stdexcept>
#include <string>
#include <system_error>

class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& prefix) {
        std::random_device entropy;
        std::mt19937_64 pick(entropy() ^
                             static_cast<std::uint64_t>(
                                 std::chrono::steady_clock::now().time_since_epoch().count()));
        const auto base = std::filesystem::temp_directory_path();
        for (int attempt = 0; attempt < 100; ++attempt) {
            std::error_code ec;
            path_ = base / (prefix + "." + std::to_string(pick() % 1000000000));
            if (std::filesystem::create_directory(path_, ec)) return;  // false: taken
        }
        throw std::runtime_error("no scratch folder in " + base.string());
    }
    ~ScratchFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

// A scratch folder that is the working folder while it lasts, as a program's script file
// lies in its working folder.
class TemporaryWorkingDirectory {
public:
    TemporaryWorkingDirectory() : previous_(std::filesystem::current_path()) {
        std::filesystem::current_path(folder_.path());
    }
    ~TemporaryWorkingDirectory() {
        std::error_code ignored;
        std::filesystem::current_path(previous_, ignored);
    }
    TemporaryWorkingDirectory(const TemporaryWorkingDirectory&) = delete;
    TemporaryWorkingDirectory& operator=(const TemporaryWorkingDirectory&) = delete;

private:
    std::filesystem::path previous_;
    ScratchFolder folder_{"town_script"};
};
