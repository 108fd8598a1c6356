// The folder that holds the music's play file: one of this process's own in
// the temporary folder, readable by this user only, so that two running
// copies never share a play file. Its name carries the process id
// ("halvane-play-<pid>-XXXXXX"), so a later run can tell the folders that a
// crashed or killed run left behind.
#pragma once

#include <string>

namespace halvane {

class PlayFolder {
public:
    // Removes the stale play folders in `tempFolder`, then makes this one.
    explicit PlayFolder(const std::string& tempFolder);
    ~PlayFolder() { remove(); }
    PlayFolder(const PlayFolder&) = delete;
    PlayFolder& operator=(const PlayFolder&) = delete;

    // "" when the folder could not be made (then no music is played).
    const std::string& path() const { return path_; }

    // Removes the folder and all in it; later calls do nothing.
    void remove();

private:
    std::string path_;
};

// Removes the play folders in `tempFolder` that belong to this user and
// whose process no longer runs.
void removeStalePlayFolders(const std::string& tempFolder);

}  // namespace halvane
