#include "music/play_folder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <csignal>
#include <filesystem>
#include <optional>

namespace halvane {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view Prefix = "halvane-play-";

// The process id in a play folder's name, or nothing for any other name.
std::optional<pid_t> ownerProcess(std::string_view name)
{
    if (!name.starts_with(Prefix)) return std::nullopt;
    name.remove_prefix(Prefix.size());
    pid_t pid = 0;
    const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), pid);
    if (error != std::errc() || pid <= 0 || end == name.data() + name.size() || *end != '-') return std::nullopt;
    return pid;
}

bool processRuns(pid_t pid) { return kill(pid, 0) == 0 || errno != ESRCH; }

}  // namespace

void removeStalePlayFolders(const std::string& tempFolder)
{
    std::error_code error;
    for (fs::directory_iterator entry(tempFolder, error), end; !error && entry != end; entry.increment(error)) {
        const auto pid = ownerProcess(entry->path().filename().string());
        struct stat info {};
        if (!pid || lstat(entry->path().c_str(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != getuid())
            continue;
        std::error_code ignored;
        if (!processRuns(*pid)) fs::remove_all(entry->path(), ignored);
    }
}

PlayFolder::PlayFolder(const std::string& tempFolder)
{
    removeStalePlayFolders(tempFolder);
    std::string pattern =
        (fs::path(tempFolder) / (std::string(Prefix) + std::to_string(getpid()) + "-XXXXXX")).string();
    if (mkdtemp(pattern.data())) path_ = pattern;  // mkdtemp makes it for this user only
}

void PlayFolder::remove()
{
    if (path_.empty()) return;
    std::error_code ignored;
    fs::remove_all(path_, ignored);
    path_.clear();
}

}  // namespace halvane
