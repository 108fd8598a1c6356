// The file a film is written into: a temporary file beside the wanted one,
// renamed into place only when the film is complete, and removed when it
// is not, so an old film of that name stays until the new one replaces it.
#pragma once

#include <string>

namespace halvane {

class FilmFile {
public:
    // Makes the temporary file beside `path`; error() says when it could not.
    explicit FilmFile(std::string path);
    ~FilmFile();
    FilmFile(const FilmFile&) = delete;
    FilmFile& operator=(const FilmFile&) = delete;

    const std::string& temporaryPath() const { return temporary_; }
    const std::string& error() const { return error_; }

    // Renames the complete film into place; an error text, or empty.
    std::string commit();

private:
    std::string path_, temporary_, error_;
};

}  // namespace halvane
