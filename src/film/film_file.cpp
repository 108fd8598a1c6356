#include "film/film_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <vector>

namespace halvane {

namespace {
std::string systemError() { return std::strerror(errno); }
}  // namespace

FilmFile::FilmFile(std::string path) : path_(std::move(path))
{
    const std::filesystem::path wanted(path_);
    const std::filesystem::path folder = wanted.has_parent_path() ? wanted.parent_path() : ".";
    std::string pattern = (folder / ("." + wanted.filename().string() + ".XXXXXX")).string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = mkstemp(name.data());
    if (fd < 0) {
        error_ = "cannot write " + path_ + ": " + systemError();
        return;
    }
    temporary_ = name.data();
    // The film gets the permissions of any new file, not the temporary's private ones.
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, 0666 & ~mask);
    close(fd);
}

FilmFile::~FilmFile()
{
    if (!temporary_.empty()) unlink(temporary_.c_str());
}

std::string FilmFile::commit()
{
    if (rename(temporary_.c_str(), path_.c_str()) != 0) return "cannot write " + path_ + ": " + systemError();
    temporary_.clear();
    return {};
}

}  // namespace halvane
