#include <QApplication>
#include <memory>

#include "app/main_window.h"
#include "app/startup.h"
#include "app/system_ports.h"
#include "data/data_folder.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    using namespace halvane;

    auto h = std::make_unique<Halvane>();
    // `halvane --precise` places the Sun, the Moon and the planets by ERFA.
    if (QCoreApplication::arguments().contains(QStringLiteral("--precise"))) h->positionModel = PositionModel::Precise;
    SystemClock clock;
    SystemRandom random;
    QtMessages messages;
    MainWindow window(*h, {clock, random, messages});
    messages.setParent(&window);
    try {
        formLoad(*h, {clock, random, messages}, dataFolder(QCoreApplication::applicationDirPath().toStdString()));
    } catch (const ProgramEnd&) {
        return 0;
    }
    window.showFullScreen();
    return app.exec();
}
