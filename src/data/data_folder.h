// Where a program finds its data files: beside itself (a build folder) or,
// once installed, in ../share/halvane.
#pragma once

#include <string>

namespace halvane {

// `programFolder` when the star catalogue lies there, else
// `programFolder`/../share/halvane when it lies there, else `programFolder`
// (so that the readers report the missing files where they were first looked for).
std::string dataFolder(const std::string& programFolder);

}  // namespace halvane
