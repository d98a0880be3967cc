// A fresh folder under the system's temporary folder for one test, removed
// with everything in it afterwards. The process id keeps runs from two build
// trees at once apart.

#pragma once

#include <filesystem>
#include <string>

#include <unistd.h>

class TempDir {
public:
    explicit TempDir(const std::string& name)
        : path_(std::filesystem::temp_directory_path() / ("zefgen-test-" + std::to_string(::getpid()) + "-" + name)) {
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempDir() { std::filesystem::remove_all(path_); }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};
