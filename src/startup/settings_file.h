// The settings file "starsini.dat": read at start-up, written when the main
// form closes.
#pragma once

#include <optional>
#include <string>

#include "panel/halvane.h"

namespace halvane {

inline constexpr const char* SettingsFileName = "starsini.dat";

// The program's folder when the program may write there (a build folder, a
// portable copy), otherwise the user's configuration folder, so that an
// installed program in a read-only folder keeps its settings too.
std::string settingsFolder(const std::string& programFolder);

// Reads the file in `folder` into `vars` when a file of exactly that name
// is there; otherwise the variables keep their values.
void readSettingsFile(PanelVariables& vars, const std::string& folder);

// Writes the file in `folder` as one line ended by CR LF. The new file
// replaces the old one only once it is complete, so a failed write keeps
// the previous file. Returns why the write failed, or nothing.
std::optional<std::string> writeSettingsFile(const PanelVariables& vars, const std::string& folder);

}  // namespace halvane
