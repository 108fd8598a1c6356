// halvane-positions: the directions and positions of the bodies for one
// moment, as CSV on standard output.
#include <QCoreApplication>
#include <iostream>
#include <memory>

#include "data/data_folder.h"
#include "data/small_body_files.h"
#include "positions/positions_command.h"
#include "util/error_stream_messages.h"

int main(int argc, char** argv)
{
    using namespace halvane;
    const QCoreApplication application(argc, argv);
    const auto request = parsePositionsArguments(std::vector<std::string>(argv + 1, argv + argc));
    if (!request) {
        std::cerr << positionsUsage;
        return 2;
    }
    if (request->asked == PositionsRequest::Asked::Help) {
        std::cout << positionsUsage;
        return 0;
    }
    if (request->asked == PositionsRequest::Asked::Version) {
        std::cout << "halvane-positions " HALVANE_VERSION "\n";
        return 0;
    }
    const std::string folder = request->dataFolder.empty()
        ? dataFolder(QCoreApplication::applicationDirPath().toStdString())
        : request->dataFolder;

    auto h = std::make_unique<Halvane>();
    fillNameTables(h->texts);
    ErrorStreamMessages messages;
    fillBodyTables(h->bodies, h->texts, folder, messages);

    std::cout << positionsCsv(*h, computeRequestedPositions(*h, *request));
    if (request->model == PositionModel::Precise && !preciseModelCovers(h->time.Ti))
        std::cerr << "halvane-positions: the precise model covers the years 1000 to 3000; "
                     "this moment has the built-in positions\n";
    return 0;
}
