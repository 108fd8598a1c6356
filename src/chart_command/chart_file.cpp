#include "chart_command/chart_file.h"

#include <QBuffer>
#include <QPageSize>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <cmath>

#include "startup/file_writing.h"

namespace halvane {

namespace {

void writeSvg(const DrawingRecord& record, QIODevice& file, double dpi)
{
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setSize(record.size());
    svg.setViewBox(QRect(QPoint(0, 0), record.size()));
    svg.setResolution(static_cast<int>(std::lround(dpi)));
    svg.setTitle("Halvane chart");
    QPainter painter(&svg);
    record.replay(painter);
}

// One page exactly the size of the picture at `dpi`.
void writePdf(const DrawingRecord& record, QIODevice& file, double dpi)
{
    QPdfWriter pdf(&file);
    pdf.setTitle("Halvane chart");
    pdf.setCreator("halvane-chart " HALVANE_VERSION);
    pdf.setResolution(static_cast<int>(std::lround(dpi)));
    const QSizeF inches(record.size().width() / dpi, record.size().height() / dpi);
    pdf.setPageSize(QPageSize(inches, QPageSize::Inch, QString(), QPageSize::ExactMatch));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter(&pdf);
    painter.scale(pdf.width() / static_cast<double>(record.size().width()),
                  pdf.height() / static_cast<double>(record.size().height()));
    record.replay(painter);
}

// The chart's bytes in the format its name asks for, made in memory so that
// writing them to the file is one checked write with the system's reason.
QByteArray chartBytes(const Surface& surface, ChartFormat format, double dpi)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    switch (format) {
    case ChartFormat::Png:
        // Fast compression: a chart is mostly one back colour.
        surface.screen().save(&buffer, "PNG", 80);
        break;
    case ChartFormat::Svg:
        writeSvg(*surface.record(), buffer, dpi);
        break;
    case ChartFormat::Pdf:
        writePdf(*surface.record(), buffer, dpi);
        break;
    }
    return buffer.data();
}

}  // namespace

ChartFormat chartFormat(const std::string& path)
{
    if (path.ends_with(".svg")) return ChartFormat::Svg;
    if (path.ends_with(".pdf")) return ChartFormat::Pdf;
    return ChartFormat::Png;
}

std::string writeChart(const Surface& surface, const std::string& path, double dpi)
{
    const ChartFormat format = chartFormat(path);
    if (format != ChartFormat::Png && !surface.record()) return "the chart was drawn without its vectors";
    const QByteArray bytes = chartBytes(surface, format, dpi);
    if (bytes.isEmpty()) return "the chart could not be encoded";
    if (const auto problem =
            writeWholeFile(path, std::string_view(bytes.constData(), static_cast<size_t>(bytes.size()))))
        return "cannot write " + path + ": " + *problem;
    return {};
}

}  // namespace halvane
