#include "music/piece_choice.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "util/numbers.h"

namespace halvane {

namespace {

std::string lowerCase(std::string text)
{
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

}  // namespace

std::vector<std::string> listPieces(const std::string& folder)
{
    namespace fs = std::filesystem;
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error)) {
        const std::string name = entry->path().filename().string();
        const std::string lower = lowerCase(name);
        if ((lower.ends_with(".mid") || lower.ends_with(".midi")) && entry->is_regular_file(error))
            names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::optional<std::string> choosePiece(const std::vector<std::string>& names, double r,
                                       const std::set<std::string>& skipped)
{
    const double n = Int(static_cast<double>(names.size()) * r + 1);
    for (size_t k = 1; k <= names.size(); ++k) {
        const std::string& name = names[k - 1];
        if (k >= n && (name.ends_with("mid") || name.ends_with("midi")) && !skipped.contains(name)) return name;
    }
    return std::nullopt;
}

}  // namespace halvane
