// The settings file "starsini.dat": read at start-up, written when the main
// form closes.
#pragma once

#include <optional>
#include <string>

#include "panel/halvane.h"

namespace halvane {

inline constexpr const char* SettingsFileName = "starsini.dat";

// Where the settings file is read and where it is written.
struct SettingsFolders {
    std::string read;
    std::string write;
};

// The file beside the program is read when there is one, the one in the
// user's configuration folder otherwise; it is written beside the program
// when the program may write there (a build folder, a portable copy), in
// the configuration folder otherwise, and from then on the file written
// there is read. An empty `programFolder` (an installed program) keeps its
// settings in the configuration folder only.
SettingsFolders settingsFolders(const std::string& programFolder);
SettingsFolders settingsFolders(const std::string& programFolder, bool programFolderWritable);

// Reads the file in `folder` into `vars` when a file of exactly that name
// is there; otherwise the variables keep their values.
void readSettingsFile(PanelVariables& vars, const std::string& folder);

// Writes the file in `folder` as one line ended by CR LF. The new file
// replaces the old one only once it is complete, so a failed write keeps
// the previous file. Returns why the write failed, or nothing.
std::optional<std::string> writeSettingsFile(const PanelVariables& vars, const std::string& folder);

}  // namespace halvane
