#include "music/music_player.h"

#include <filesystem>

#include "music/piece_choice.h"

namespace halvane {

namespace fs = std::filesystem;

namespace {

// Ticks come every 100 ms; a piece that stops before ten of them could not
// be played (a broken track ends at once).
constexpr int TicksInASecond = 10;

}  // namespace

MusicPlayer::MusicPlayer(MidiDevice& device, Random& random, std::string playFile, std::ostream& log)
    : device_(device), random_(random), log_(log), strFileTo_(std::move(playFile))
{}

MidiReply MusicPlayer::send(const std::string& verb, const std::string& after)
{
    return device_.send(verb + " " + strFileTo_ + after);
}

void MusicPlayer::stopAndClose()
{
    send("stop");
    send("close");
}

void MusicPlayer::removePlayFile()
{
    if (!playFileMayExist_) return;
    std::error_code ignored;
    fs::remove(strFileTo_, ignored);
    playFileMayExist_ = false;
}

void MusicPlayer::start(const std::string& programFolder, int music, Messages& messages)
{
    musicFolder_ = (fs::path(programFolder) / "music").string();
    removePlayFile();
    if (listPieces(musicFolder_).empty()) showAndEnd(messages, "No music file !");
    if (music == 1) mus_ = startPiece() ? 0 : 1;
}

void MusicPlayer::tick(int music, EventPump& events)
{
    const MidiReply status = send("status", " mode");
    if (music == 1) {
        const bool stopped = status.text.starts_with("stopped");
        ++ticksPlaying_;
        if (stopped && ticksPlaying_ < TicksInASecond) skipPieceEndedAtOnce();
        if (stopped) playing_.clear();
        if ((stopped || mus_ == 1) && !silent_) {
            stopAndClose();
            mus_ = startPiece() ? 0 : 1;
        }
        events.letEventsRun();
    } else {
        stopAndClose();
        removePlayFile();
        mus_ = 1;
        failed_.clear();  // switching the music on again gives every piece a new chance
        silent_ = false;
    }
    events.letEventsRun();
}

void MusicPlayer::skipPieceEndedAtOnce()
{
    if (playing_.empty() || failed_.contains(playing_)) return;
    log_ << "halvane: the piece " << (fs::path(musicFolder_) / playing_).string()
         << " ended within a second of its start; it is skipped\n";
    failed_.insert(playing_);
}

void MusicPlayer::close()
{
    stopAndClose();
    removePlayFile();
}

bool MusicPlayer::startPiece()
{
    // A piece that fails is left out from then on, so a broken file is
    // reported once and never copied again on every tick.
    const std::vector<std::string> pieces = listPieces(musicFolder_);
    const auto name = choosePiece(pieces, random_.next(), failed_);
    if (!name) {
        // The choice looks from a random place on; from the first place
        // there may still be a piece for a later tick.
        silent_ = !choosePiece(pieces, 0.0, failed_);
        if (silent_) log_ << "halvane: no piece of music can be played; the music stays silent\n";
        return false;
    }
    strFileFrom_ = (fs::path(musicFolder_) / *name).string();
    removePlayFile();
    std::error_code error;
    playFileMayExist_ = true;  // even a failed copy may leave part of a file
    fs::copy_file(strFileFrom_, strFileTo_, fs::copy_options::overwrite_existing, error);
    MidiReply reply{!error, error.message()};
    if (reply.ok) reply = send("open");
    if (reply.ok) reply = send("play");
    if (reply.ok) {
        playing_ = *name;
        ticksPlaying_ = 0;
        return true;
    }
    log_ << "halvane: the piece " << strFileFrom_ << " cannot be played (" << reply.text << "); it is skipped\n";
    failed_.insert(*name);
    stopAndClose();
    return false;
}

}  // namespace halvane
