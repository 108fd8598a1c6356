#include "data/data_file.h"

#include <filesystem>

namespace halvane {

namespace fs = std::filesystem;

bool dataFileExists(const std::string& folder, const std::string& name)
{
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error)) {
        if (entry->path().filename() == name) return entry->is_regular_file(error);
    }
    return false;
}

std::string dataFilePath(const std::string& folder, const std::string& name)
{
    return (fs::path(folder) / name).string();
}

}  // namespace halvane
