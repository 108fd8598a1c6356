// halvane-chart: one click of the panel drawn into a PNG, SVG or PDF file,
// or filmed, with no window and no display server.
#include <unistd.h>

#include <QGuiApplication>
#include <iostream>
#include <memory>

#include "chart_command/chart_drawing.h"
#include "chart_command/chart_file.h"
#include "chart_command/progress_line.h"
#include "data/data_folder.h"
#include "film/film_command.h"
#include "util/error_stream_messages.h"

int main(int argc, char** argv)
{
    using namespace halvane;
    const std::vector<std::string> args(argv + 1, argv + argc);
    const ChartArguments parsed = parseChartArguments(args);
    if (!parsed.request) {
        std::cerr << "halvane-chart: " << parsed.error << " (halvane-chart --help lists the options)\n";
        return 2;
    }
    const ChartRequest& request = *parsed.request;
    if (request.asked == ChartRequest::Asked::Help) {
        std::cout << chartUsage;
        return 0;
    }
    if (request.asked == ChartRequest::Asked::Version) {
        std::cout << "halvane-chart " HALVANE_VERSION "\n";
        return 0;
    }

    // Fonts and painting need a GUI application, but never a screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication application(argc, argv);
    ErrorStreamMessages messages;
    try {
        const std::string folder = dataFolder(QCoreApplication::applicationDirPath().toStdString());
        const bool onTerminal = isatty(STDERR_FILENO) == 1;
        if (filmFormat(request.out)) return writeFilm(request, folder, messages, onTerminal);
        auto h = std::make_unique<Halvane>();
        ChartDrawing drawing;
        {
            ProgressLine progress(std::cerr, onTerminal);
            drawing = drawChart(*h, request, folder, messages, chartFormat(request.out) != ChartFormat::Png, &progress);
        }
        if (!drawing.surface) {
            std::cerr << "halvane-chart: " << drawing.refusal << "\n";
            return 2;
        }
        if (const std::string error = writeChart(*drawing.surface, request.out, request.dpi); !error.empty()) {
            std::cerr << "halvane-chart: " << error << "\n";
            return 1;
        }
        if (request.model == PositionModel::Precise && !preciseModelCovers(h->time.Ti))
            std::cerr << "halvane-chart: the precise model covers the years 1000 to 3000; "
                         "this chart has the built-in positions\n";
    } catch (const ProgramEnd&) {
        return 1;  // the data files' message went to standard error
    }
    return 0;
}
