#include "data/data_folder.h"

#include <filesystem>
#include <system_error>

namespace halvane {

std::string dataFolder(const std::string& programFolder)
{
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path beside(programFolder);
    if (fs::exists(beside / "starsdata.dat", error)) return programFolder;
    const fs::path installed = (beside / ".." / "share" / "halvane").lexically_normal();
    if (fs::exists(installed / "starsdata.dat", error)) return installed.string();
    return programFolder;
}

}  // namespace halvane
