#include <signal.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include "chart_command/chart_options.h"

namespace halvane {
namespace {

// The program run in `folder`, as a user runs it.
struct ProgramRun {
    int status = -1;
    QByteArray errors;
};

ProgramRun runIn(const QTemporaryDir& folder, const QStringList& args, const QString& command = HALVANE_CHART_PROGRAM)
{
    QProcess program;
    program.setWorkingDirectory(folder.path());
    program.start(command, args);
    ProgramRun run;
    if (!program.waitForFinished(120000)) return run;
    run.status = program.exitCode();
    run.errors = program.readAllStandardError();
    return run;
}

QStringList filesIn(const QTemporaryDir& folder)
{
    return QDir(folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
}

TEST(FilmArguments, TheFilmOptionsAndTheOneOptionWithoutAValue)
{
    const auto parsed = parseChartArguments(
        {"--fps", "30", "--music", "--pass-seconds=0.5", "--seconds", "12", "--scene", "42", "--out", "m.webm"});
    ASSERT_TRUE(parsed.request) << parsed.error;
    const FilmPace& film = parsed.request->film;
    EXPECT_EQ(film.fps, 30);
    EXPECT_EQ(film.passSeconds, 0.5);
    EXPECT_EQ(film.seconds, 12);
    EXPECT_TRUE(film.music);
    EXPECT_EQ(filmFormat(parsed.request->out), FilmFormat::WebM);
}

// Each is refused with status 2 and a message, and leaves no file behind.
TEST(FilmArguments, BadFilmRequestsExitWithTwoAndWriteNothing)
{
    const std::vector<QStringList> bad{
        {"--out", "film.avi"},
        {"--scene", "42", "--out", "medley.mp4"},  // the medley has no end of its own
        {"--fps", "0", "--out", "film.mp4"},
        {"--fps", "1000", "--out", "film.mp4"},
        {"--pass-seconds", "0", "--out", "film.mp4"},
        {"--seconds", "-1", "--out", "film.mp4"},
        {"--music", "--out", "chart.png"},
        {"--fps", "30", "--out", "chart.svg"},
        {"--music", "--out", "loop.webp"},
        {"--size", "641x360", "--out", "film.mp4"},
        {"--times", "1", "--repeat", "sequential", "--out", "film.mkv"},  // draws no pass
    };
    QTemporaryDir folder;
    for (const QStringList& args : bad) {
        const ProgramRun run = runIn(folder, args);
        EXPECT_EQ(run.status, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(run.errors.contains("halvane-chart: ")) << args.join(' ').toStdString() << run.errors.data();
        EXPECT_EQ(filesIn(folder), QStringList()) << args.join(' ').toStdString();
    }
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A complete film replaces the old one; a disk that fills up (here a file
// size limit, as a full disk fails the writes) or an interrupt keeps the
// old film and leaves nothing else.
TEST(FilmFile, AFilmAppearsOnlyWhenComplete)
{
    QTemporaryDir folder;
    const QString film = folder.filePath("run.mkv");
    const QByteArray old = "an older film";
    {
        QFile file(film);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(old);
    }
    const QString request = QString(HALVANE_CHART_PROGRAM)
        + " --date 2020-06-01 --time 21:00 --repeat sequential --times 4 --size 320x180 --out run.mkv";
    // Ignoring SIGXFSZ turns the limit into failing writes, as on a full disk.
    const ProgramRun full = runIn(folder, {"-c", "trap '' XFSZ; ulimit -f 4; exec " + request}, "/bin/sh");
    EXPECT_EQ(full.status, 1) << full.errors.data();
    EXPECT_TRUE(full.errors.contains("cannot write run.mkv")) << full.errors.data();
    EXPECT_EQ(contents(film), old);
    EXPECT_EQ(filesIn(folder), QStringList{"run.mkv"});

    QProcess saturn;
    saturn.setWorkingDirectory(folder.path());
    saturn.start(HALVANE_CHART_PROGRAM, {"--scene", "41", "--size", "320x180", "--out", "run.mkv"});
    ASSERT_TRUE(saturn.waitForStarted());
    // Interrupted once the temporary film has grown.
    for (int wait = 0; wait < 600; ++wait) {
        const QStringList files = filesIn(folder);
        if (files.size() == 2 && QFileInfo(folder.filePath(files.filter(".run.mkv.").value(0))).size() > 0) break;
        QThread::msleep(100);
    }
    ASSERT_EQ(filesIn(folder).size(), 2);
    kill(static_cast<pid_t>(saturn.processId()), SIGINT);
    ASSERT_TRUE(saturn.waitForFinished(60000));
    EXPECT_EQ(saturn.exitCode(), 130);
    EXPECT_EQ(contents(film), old);
    EXPECT_EQ(filesIn(folder), QStringList{"run.mkv"});

    const ProgramRun complete = runIn(folder, {"-c", "exec " + request}, "/bin/sh");
    EXPECT_EQ(complete.status, 0) << complete.errors.data();
    EXPECT_TRUE(contents(film).startsWith("\x1a\x45\xdf\xa3"));  // Matroska's first bytes
    EXPECT_EQ(filesIn(folder), QStringList{"run.mkv"});
}

}  // namespace
}  // namespace halvane
