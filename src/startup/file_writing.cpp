#include "startup/file_writing.h"

#include <unistd.h>

#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>

namespace halvane {

namespace {

// Every byte through the file's own descriptor, so that a full disk fails
// the write itself and its reason is the system's, not Qt's "Unknown error".
std::optional<std::string> writeAll(int descriptor, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return std::strerror(written < 0 ? errno : ENOSPC);
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return std::nullopt;
}

bool isSpecialFile(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() && !info.isFile() && !info.isDir();
}

}  // namespace

std::optional<std::string> writeWholeFile(const std::string& path, std::string_view bytes)
{
    const QString name = QString::fromStdString(path);
    if (isSpecialFile(name)) {
        QFile file(name);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return file.errorString().toStdString();
        return writeAll(file.handle(), bytes);
    }
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return file.errorString().toStdString();
    if (auto problem = writeAll(file.handle(), bytes)) {
        file.cancelWriting();
        return problem;
    }
    if (!file.commit()) return file.errorString().toStdString();
    return std::nullopt;
}

}  // namespace halvane
