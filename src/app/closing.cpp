#include "app/closing.h"

#include "data/data_file.h"
#include "startup/settings_file.h"

namespace halvane {

namespace {

// The system's reason for a failed write in Japanese: the common ones by
// name, any other in general words.
std::string japaneseReason(const std::string& reason)
{
    static const std::pair<const char*, const char*> reasons[] = {
        {"Permission denied", "書き込みが許可されていません"},
        {"No space left on device", "ディスクに空きがありません"},
        {"Read-only file system", "読み出し専用のファイルシステムです"},
        {"Disk quota exceeded", "ディスクの割り当てを超えました"},
        {"File too large", "ファイルが大きすぎます"},
        {"Is a directory", "同じ名前のフォルダがあります"},
        {"No such file or directory", "フォルダがありません"},
        {"the folder cannot be made", "フォルダを作れません"},
    };
    for (const auto& [english, japanese] : reasons)
        if (reason.find(english) != std::string::npos) return japanese;
    return "書き込みに失敗しました";
}

}  // namespace

void formClosing(Halvane& h, const std::string& settingsFolder, MusicPlayer& music, Messages& messages)
{
    if (h.flags.scene2 == 1) h.vars.scene = MedleyScene;
    if (const auto problem = writeSettingsFile(h.vars, settingsFolder)) {
        const std::string path = dataFilePath(settingsFolder, SettingsFileName);
        messages.show(h.vars.je == Japanese
                          ? "設定を保存できませんでした: " + path + " (" + japaneseReason(*problem) + ")"
                          : "The settings could not be saved in " + path + " (" + *problem + ").");
    }
    music.close();
}

}  // namespace halvane
