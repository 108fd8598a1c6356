#include "app/closing.h"

#include "startup/settings_file.h"
#include "data/data_file.h"

namespace halvane {

void formClosing(Halvane& h, const std::string& settingsFolder, MusicPlayer& music, Messages& messages)
{
    if (h.flags.scene2 == 1) h.vars.scene = MedleyScene;
    if (const auto problem = writeSettingsFile(h.vars, settingsFolder)) {
        const std::string path = dataFilePath(settingsFolder, SettingsFileName);
        messages.show(h.vars.je == Japanese ? "設定を保存できませんでした: " + path + " (" + *problem + ")"
                                            : "The settings could not be saved in " + path + " (" + *problem + ").");
    }
    music.close();
}

}  // namespace halvane
