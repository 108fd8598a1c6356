#include <QApplication>
#include <QDir>
#include <QTimer>
#include <iostream>
#include <memory>

#include "app/closing.h"
#include "app/ending_requests.h"
#include "app/main_window.h"
#include "app/system_ports.h"
#include "data/data_folder.h"
#include "music/fluidsynth_device.h"
#include "music/music_player.h"
#include "music/play_folder.h"
#include "startup/settings_file.h"
#include "startup/startup.h"
#include "util/command_line.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    using namespace halvane;

    auto h = std::make_unique<Halvane>();
    // `halvane --precise [--light-time] [--place LAT,LON[,M]|NAME]` places the
    // Sun, the Moon and the planets by the full theories, seen with light
    // time and from a place on the Earth when asked.
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.contains(QStringLiteral("--precise"))) {
        h->positionModel = PositionModel::Precise;
        h->lightTime = arguments.contains(QStringLiteral("--light-time"));
        if (const qsizetype at = arguments.indexOf(QStringLiteral("--place")); at >= 0) {
            const auto place =
                at + 1 < arguments.size() ? placeArgument(arguments[at + 1].toStdString()) : std::nullopt;
            if (!place) {
                std::cerr << "halvane: --place needs LAT,LON[,HEIGHT_M] (degrees north and east, metres) or a "
                             "named place such as tokyo\n";
                return 2;
            }
            h->place = place->place;
        }
    }
    SystemClock clock;
    SystemRandom random;
    QtMessages messages;
    MainWindow window(*h, {clock, random, messages});
    messages.setParent(&window);

    PlayFolder playFolder(QDir::tempPath().toStdString());
    FluidSynthDevice device;
    MusicPlayer music(device, random, playFolder.path().empty() ? "" : playFolder.path() + "/test0.mid");

    const std::string programFolder = QCoreApplication::applicationDirPath().toStdString();
    const std::string data = dataFolder(programFolder);
    // Installed (its data in ../share/halvane), the program keeps its
    // settings in the user's configuration folder, never beside itself.
    const SettingsFolders settings = settingsFolders(data == programFolder ? programFolder : std::string());
    try {
        formLoad(*h, {clock, random, messages, &music}, data, settings.read);
    } catch (const ProgramEnd&) {
        return 0;
    }

    QTimer timer1;  // keeps the music going
    QObject::connect(&timer1, &QTimer::timeout, &window,
                     [&] { window.guarded([&] { music.tick(h->vars.music, window.events()); }); });
    timer1.start(100);
    window.onClosing = [&] {
        formClosing(*h, settings.write, music, messages);
        playFolder.remove();
    };
    // A signal or the session's end closes the window as the user would.
    const EndingRequests endingRequests([&] { window.close(); });

    window.showFullScreen();
    return app.exec();
}
