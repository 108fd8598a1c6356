#include "startup/settings_file.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <fstream>

#include "data/data_file.h"
#include "panel/settings_record.h"
#include "startup/file_writing.h"

namespace halvane {

namespace {

// The record is under 200 bytes; whatever else lies in a file of that name
// is not read into memory.
constexpr std::streamsize MaxSettingsBytes = 65536;

}  // namespace

SettingsFolders settingsFolders(const std::string& programFolder)
{
    const QFileInfo folder(QString::fromStdString(programFolder));
    return settingsFolders(programFolder, folder.isDir() && folder.isWritable());
}

SettingsFolders settingsFolders(const std::string& programFolder, bool programFolderWritable)
{
    const std::string user = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation).toStdString();
    if (programFolder.empty()) return {user, user};
    if (programFolderWritable)
        return {dataFileExists(programFolder, SettingsFileName) ? programFolder : user, programFolder};
    // Once a run has written the user's file, that one holds the latest
    // choices; the file beside a read-only program is where they start.
    const bool userFile = dataFileExists(user, SettingsFileName);
    const bool fileBeside = dataFileExists(programFolder, SettingsFileName);
    return {fileBeside && !userFile ? programFolder : user, user};
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
    return writeWholeFile(dataFilePath(folder, SettingsFileName), settingsLine(vars) + "\r\n");
}

}  // namespace halvane
