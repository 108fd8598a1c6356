#include "chart_command/progress_line.h"

#include <cmath>

#include "panel/change_handlers.h"

namespace halvane {

namespace {

// "0:07", "12:30", "1:02:03".
std::string duration(double seconds)
{
    const long whole = std::lround(std::max(0.0, seconds));
    const long h = whole / 3600, m = whole / 60 % 60, s = whole % 60;
    const auto two = [](long n) { return (n < 10 ? "0" : "") + std::to_string(n); };
    if (h > 0) return std::to_string(h) + ":" + two(m) + ":" + two(s);
    return std::to_string(m) + ":" + two(s);
}

}  // namespace

long requestPasses(const Halvane& h)
{
    const auto& v = h.vars;
    if (h.flags.scene2 == 1 || v.norm == repeat::AtRandom) return 0;
    if (v.norm != repeat::Sequential && v.norm != repeat::Overlay) return 1;
    return std::max(0L, std::lround(boxNumber(h, Text16)) - 1);
}

std::string progressText(const Progress& p, double elapsed)
{
    std::string text = "pass " + std::to_string(p.pass);
    if (p.passes > 0) text += " of " + std::to_string(p.passes);
    if (p.frames >= 0) text += ", " + std::to_string(p.frames) + " frames";
    text += ", " + duration(elapsed) + " elapsed";
    if (p.done > 0 && p.done < 1) text += ", about " + duration(elapsed * (1 - p.done) / p.done) + " to go";
    return text;
}

ProgressLine::ProgressLine(std::ostream& out, bool shown) : out_(out), shown_(shown) {}

ProgressLine::~ProgressLine()
{
    if (written_) out_ << "\n" << std::flush;
}

void ProgressLine::update(const Progress& progress)
{
    if (!shown_) return;
    const Time now = std::chrono::steady_clock::now();
    if (written_ && now - last_ < std::chrono::milliseconds(250)) return;
    last_ = now;
    written_ = true;
    const double elapsed = std::chrono::duration<double>(now - start_).count();
    // Back to the line's start, the new text, and the rest of the old one cleared.
    out_ << "\r" << progressText(progress, elapsed) << "\033[K" << std::flush;
}

}  // namespace halvane
