#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

#include "chart_command/chart_drawing.h"
#include "chart_command/chart_file.h"
#include "fakes.h"
#include "sky/sky_screen.h"
#include "sky/star_plotting.h"

namespace halvane {
namespace {

// A fixed moment, so that every run draws the same sky.
ChartRequest fixedRequest(std::vector<std::string> options)
{
    for (const char* fixed : {"--date=2026-12-08", "--time=21:00"}) options.emplace_back(fixed);
    const ChartArguments parsed = parseChartArguments(options);
    EXPECT_TRUE(parsed.request) << parsed.error;
    return parsed.request.value_or(ChartRequest{});
}

struct Drawn {
    std::unique_ptr<Halvane> h = std::make_unique<Halvane>();
    ChartDrawing drawing;
};

Drawn draw(const std::vector<std::string>& options)
{
    Drawn d;
    testing::RecordingMessages messages;
    d.drawing = drawChart(*d.h, fixedRequest(options), HALVANE_ASSETS_DIR, messages, true);
    return d;
}

QByteArray written(const Surface& surface, const QTemporaryDir& dir, const std::string& name)
{
    const std::string path = dir.filePath(QString::fromStdString(name)).toStdString();
    EXPECT_EQ(writeChart(surface, path, 96), "");
    QFile file(QString::fromStdString(path));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

// Pixels where the recorded vectors, replayed into an image, differ from the screen.
int pixelsDifferingFromReplay(const Surface& surface)
{
    QImage replayed(surface.screen().size(), QImage::Format_RGB32);
    replayed.setDotsPerMeterX(surface.screen().dotsPerMeterX());
    replayed.setDotsPerMeterY(surface.screen().dotsPerMeterY());
    QPainter painter(&replayed);
    surface.record()->replay(painter);
    painter.end();
    int differing = 0;
    for (int y = 0; y < replayed.height(); ++y)
        for (int x = 0; x < replayed.width(); ++x) differing += replayed.pixel(x, y) != surface.screen().pixel(x, y);
    return differing;
}

TEST(ChartArguments, BothFormsOfAnOptionAndThePanelNames)
{
    const auto parsed = parseChartArguments({"--display=zodiac", "--names", "only", "--repeat", "overlay",
                                             "--aim=83.5,-5", "--size", "640x480", "--lang=ja", "--out", "x.pdf"});
    ASSERT_TRUE(parsed.request) << parsed.error;
    const ChartRequest& r = *parsed.request;
    EXPECT_EQ(r.selec, display::Zodiac);
    EXPECT_EQ(r.sname, 2);
    EXPECT_EQ(r.norm, repeat::Overlay);
    EXPECT_EQ(r.aimFirst, 83.5);
    EXPECT_EQ(r.aimSecond, -5);
    EXPECT_EQ(r.width, 640);
    EXPECT_EQ(r.height, 480);
    EXPECT_EQ(r.je, Japanese);
    EXPECT_EQ(chartFormat(r.out), ChartFormat::Pdf);
}

// The program itself, run as a user runs it: every bad option is refused
// with exit status 2 and a message naming it, before anything is drawn.
TEST(ChartArguments, EveryBadOptionOrValueExitsWithTwo)
{
    const std::vector<QStringList> bad{
        {"--colour"},
        {"--bogus", "1"},
        {"--display", "sky"},
        {"--date", "2020-13-01"},
        {"--time", "24:00"},
        {"--lag=9"},
        {"--view", "31"},
        {"--follow", "-1"},
        {"--aim", "90"},
        {"--aim", "90,91"},
        {"--magnification", "5"},
        {"--names", "all"},
        {"--lines", "grey"},
        {"--bodies", "stars"},
        {"--precision", "low"},
        {"--brightness", "6"},
        {"--colour", "x"},
        {"--rays", "5"},
        {"--repeat", "random"},
        {"--times", "0"},
        {"--interval", "ten"},
        {"--scene", "43"},
        {"--lang", "de"},
        {"--size", "1920"},
        {"--size", "0x100"},
        {"--dpi", "0"},
        {"--out", "chart.jpg"},
        {"--help", "--version"},
        {"--magnification=nan"},
        {"--model", "fast"},
        {"--display", "horizon"},
        {"--place", "91,0"},
        {"--place", "atlantis"},
        {"--date", "2020-02-30"},
        {"--lag", "14:01"},
        {"--date", "1000001-1-1"},
    };
    for (const QStringList& args : bad) {
        QProcess program;
        program.start(HALVANE_CHART_PROGRAM, args);
        ASSERT_TRUE(program.waitForFinished(20000)) << args.join(' ').toStdString();
        EXPECT_EQ(program.exitCode(), 2) << args.join(' ').toStdString();
        EXPECT_TRUE(program.readAllStandardError().startsWith("halvane-chart: ")) << args.join(' ').toStdString();
    }
}

TEST(ChartDrawing, ASceneThatRepeatsWithoutEndIsRefused)
{
    const Drawn random = draw({"--scene", "37"});  // "Random sky" runs At Random
    EXPECT_FALSE(random.drawing.surface);
    EXPECT_NE(random.drawing.refusal.find("Random sky"), std::string::npos);
    EXPECT_FALSE(draw({"--scene", "42"}).drawing.surface);  // the medley
    EXPECT_TRUE(draw({"--scene", "1"}).drawing.surface);
}

// Rows of the catalogue bright enough to be drawn and on the chart are lit
// where the sky mapping puts their angles; the recorded vectors, replayed
// into an image, give the same picture as the screen.
TEST(ChartDrawing, DefaultSkyShowsTheCatalogueStarsAndItsVectorsReplayToThePng)
{
    const Drawn d = draw({});
    ASSERT_TRUE(d.drawing.surface);
    const Surface& surface = *d.drawing.surface;
    const SkyScreen screen{surface.scaleWidth(), surface.scaleHeight(), 20};
    int checked = 0, lit = 0;
    for (int row = star::FirstRow; row < star::FirstRow + 3000; ++row) {
        const StarRow& star = d.h->stars.stars[static_cast<size_t>(row)];
        if (testOffChart(*d.h, screen, row) || starLevelOf(*d.h, screen, row) < 60) continue;
        const double x = screen.x(star[star::ViewU]), y = screen.y(star[star::ViewV]);
        bool near = false;
        for (int i = -1; i <= 1; ++i)
            for (int j = -1; j <= 1; ++j) near = near || surface.point(x + 15 * i, y + 15 * j) != Rgb{};
        ++checked;
        lit += near;
    }
    EXPECT_GT(checked, 50);
    EXPECT_EQ(lit, checked);

    EXPECT_LT(pixelsDifferingFromReplay(surface), 1920 * 1080 / 1000);
}

// An overlay run, a chart drawn with persistence on and the horizon chart
// replay the same way the screen kept them.
TEST(ChartDrawing, RunsAndPersistentChartsReplayToTheSamePicture)
{
    for (const auto& options : std::vector<std::vector<std::string>>{
             {"--repeat", "overlay", "--times", "3", "--interval", "100", "--size", "400x300"},
             {"--repeat", "sequential", "--times", "3", "--size", "400x300"},
             {"--display", "zodiac", "--size", "800x600"},
             {"--display", "horizon", "--place", "sydney", "--lang", "ja", "--size", "800x600"}}) {
        const Drawn d = draw(options);
        ASSERT_TRUE(d.drawing.surface);
        const Surface& surface = *d.drawing.surface;
        const QSize size = surface.screen().size();
        EXPECT_LT(pixelsDifferingFromReplay(surface), size.width() * size.height() / 200) << options[1];
    }
}

TEST(ChartFiles, SvgIsXmlWithPathsAndLabelsPdfIsOnePageWithTheJapaneseFont)
{
    QTemporaryDir dir;
    const Drawn sky = draw({"--size", "800x600"});
    const QByteArray skySvg = written(*sky.drawing.surface, dir, "sky.svg");
    EXPECT_TRUE(skySvg.contains("<path")) << "the stars' pixels are squares in paths";

    const Drawn zodiac = draw({"--display", "zodiac", "--lang", "ja", "--size", "800x600"});
    const QByteArray svg = written(*zodiac.drawing.surface, dir, "zodiac.svg");
    QXmlStreamReader xml(svg);
    QStringList texts;
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QStringLiteral("text"))
            texts << xml.readElementText();
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_TRUE(texts.filter(QStringLiteral("水星")).size() > 0);  // Mercury
    EXPECT_TRUE(svg.contains("font-family=\"IPAPGothic\""));

    const QByteArray pdf = written(*zodiac.drawing.surface, dir, "zodiac.pdf");
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_EQ(QString::fromLatin1(pdf).count(QRegularExpression("/Type\\s*/Page\\b")), 1);
    EXPECT_TRUE(pdf.contains("IPAPGothic"));
    EXPECT_TRUE(pdf.contains("/FontFile2"));  // the face itself is in the file
}

TEST(ChartFiles, APngNeedsNoVectorsAndAnUnwritablePathIsReported)
{
    Surface surface(QSize(20, 10));
    QTemporaryDir dir;
    EXPECT_TRUE(written(surface, dir, "blank.png").startsWith("\x89PNG"));
    EXPECT_NE(writeChart(surface, dir.filePath("blank.svg").toStdString(), 96), "");
    EXPECT_NE(writeChart(surface, "/no/such/folder/chart.png", 96), "");
}

// A named pipe given as the file is written into, never replaced.
TEST(ChartFiles, AChartForANamedPipeGoesIntoThePipe)
{
    QTemporaryDir dir;
    const std::string fifo = dir.filePath("chart.png").toStdString();
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const int reader = open(fifo.c_str(), O_RDONLY | O_NONBLOCK);  // so that the writer need not wait
    ASSERT_GE(reader, 0);
    EXPECT_EQ(writeChart(Surface(QSize(20, 10)), fifo, 96), "");
    char head[4] = {};
    EXPECT_EQ(read(reader, head, sizeof head), 4);
    close(reader);
    EXPECT_EQ(std::string(head, 4), "\x89PNG");
    EXPECT_TRUE(std::filesystem::is_fifo(fifo));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path().toStdString()), {}), 1);
}

// A disk that fills up: each format names the system's reason once, and
// the file it would replace stays as it was.
TEST(ChartFiles, AFailedWriteNamesItsCauseOnceAndKeepsTheOldFile)
{
    QTemporaryDir dir;
    const Drawn sky = draw({"--size", "320x200"});
    std::signal(SIGXFSZ, SIG_IGN);
    for (const char* name : {"full.png", "full.svg", "full.pdf"}) {
        const std::string path = dir.filePath(name).toStdString();
        {
            QFile old(QString::fromStdString(path));
            ASSERT_TRUE(old.open(QIODevice::WriteOnly));
            old.write("old");
        }
        rlimit before{};
        getrlimit(RLIMIT_FSIZE, &before);
        rlimit small = before;
        small.rlim_cur = 64;
        setrlimit(RLIMIT_FSIZE, &small);
        const std::string error = writeChart(*sky.drawing.surface, path, 96);
        setrlimit(RLIMIT_FSIZE, &before);
        EXPECT_EQ(error, "cannot write " + path + ": File too large") << name;
        QFile kept(QString::fromStdString(path));
        ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
        EXPECT_EQ(kept.readAll(), "old") << name;
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path().toStdString()), {}),
              3);  // no temporary left
}

}  // namespace
}  // namespace halvane
