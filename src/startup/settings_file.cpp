#include "startup/settings_file.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <fstream>

#include "data/data_file.h"
#include "panel/settings_record.h"

namespace halvane {

namespace {

// The record is under 200 bytes; whatever else lies in a file of that name
// is not read into memory.
constexpr std::streamsize MaxSettingsBytes = 65536;

}  // namespace

std::string settingsFolder(const std::string& programFolder)
{
    const QFileInfo folder(QString::fromStdString(programFolder));
    if (folder.isDir() && folder.isWritable()) return programFolder;
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation).toStdString();
}

void readSettingsFile(PanelVariables& vars, const std::string& folder)
{
    if (!dataFileExists(folder, SettingsFileName)) return;
    std::ifstream file(dataFilePath(folder, SettingsFileName), std::ios::binary);
    std::string content(MaxSettingsBytes, '\0');
    file.read(content.data(), MaxSettingsBytes);
    content.resize(static_cast<size_t>(file.gcount()));
    readSettings(content, vars);
}

std::optional<std::string> writeSettingsFile(const PanelVariables& vars, const std::string& folder)
{
    if (!QDir().mkpath(QString::fromStdString(folder))) return "the folder cannot be made";
    QSaveFile file(QString::fromStdString(dataFilePath(folder, SettingsFileName)));
    const std::string line = settingsLine(vars) + "\r\n";
    // Unbuffered, so that a disk that fills up fails the write itself: a
    // buffered write would only fail in commit()'s flush, which QSaveFile
    // does not count, and the short file would replace the good one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return file.errorString().toStdString();
    if (file.write(line.data(), static_cast<qint64>(line.size())) != static_cast<qint64>(line.size())) {
        const std::string problem = file.errorString().toStdString();
        file.cancelWriting();
        return problem;
    }
    if (!file.commit()) return file.errorString().toStdString();
    return std::nullopt;
}

}  // namespace halvane
