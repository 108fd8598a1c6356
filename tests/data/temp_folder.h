// A folder of its own under the system's temporary folder, removed with the
// object: tests write small data files into it and point a reader at it.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

namespace halvane::testing {

class TempFolder {
public:
    TempFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "halvane-XXXXXX").string();
        if (!mkdtemp(pattern.data())) throw std::runtime_error("no temporary folder");
        path_ = pattern;
    }
    ~TempFolder() { std::filesystem::remove_all(path_); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return path_; }

    void write(const std::string& name, const std::string& content) const
    {
        std::ofstream(std::filesystem::path(path_) / name, std::ios::binary) << content;
    }

private:
    std::string path_;
};

}  // namespace halvane::testing
