#include "chart_command/chart_file.h"

#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <cmath>

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
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly)) return "cannot write " + path + ": " + file.errorString().toStdString();
    switch (format) {
    case ChartFormat::Png:
        // Fast compression: a chart is mostly one back colour.
        if (!surface.screen().save(&file, "PNG", 80)) file.cancelWriting();
        break;
    case ChartFormat::Svg: writeSvg(*surface.record(), file, dpi); break;
    case ChartFormat::Pdf: writePdf(*surface.record(), file, dpi); break;
    }
    if (!file.commit()) return "cannot write " + path + ": " + file.errorString().toStdString();
    return {};
}

}  // namespace halvane
