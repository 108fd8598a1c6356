// Writing a whole file the program makes (the settings, a chart): a regular
// file is replaced only once its new content is complete; a named pipe or a
// device (or a link to one) is written into, as it cannot be replaced.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace halvane {

// Writes `bytes` as the file at `path`. Returns the system's reason when the
// file could not be written (the previous file then stays), or nothing.
std::optional<std::string> writeWholeFile(const std::string& path, std::string_view bytes);

}  // namespace halvane
