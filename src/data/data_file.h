// Where the data files lie: beside the program, in the folder strParent.
#pragma once

#include <string>

namespace halvane {

// Whether `folder` holds a file whose directory entry is named exactly
// `name`; a name that differs in case does not count, even where the file
// system ignores case.
bool dataFileExists(const std::string& folder, const std::string& name);

// `name` in `folder`.
std::string dataFilePath(const std::string& folder, const std::string& name);

}  // namespace halvane
