// Which piece of the music folder plays next.
#pragma once

#include <optional>
#include <set>
#include <string>
#include <vector>

namespace halvane {

// The names the folder lists for the pattern "*.mid", in name order. As on
// the system the pattern comes from, letter case is ignored and a ".midi"
// name matches too; only regular files count.
std::vector<std::string> listPieces(const std::string& folder);

// The piece for the random number r in [0, 1): with c listed names,
// n = Int(c × r + 1), and the chosen name is the first at position n or
// later (counting from 1) whose last three characters are "mid" or last four
// "midi" in exactly that case, and which is not in `skipped`. Nothing when
// no name there qualifies.
std::optional<std::string> choosePiece(const std::vector<std::string>& names, double r,
                                       const std::set<std::string>& skipped);

}  // namespace halvane
