#include "panel/settings_record.h"

#include <cmath>
#include <limits>
#include <optional>

#include "data/field_reader.h"
#include "ephemeris/constants.h"

namespace halvane {

namespace {

std::string wholeText(int value) { return numberText(static_cast<double>(value)); }

std::string looseText(const Loose& value) { return value.empty() ? std::string() : exactNumberText(value.value()); }

// Hands out the fields one by one; after the last one, and after a field
// the reader cannot make out, nothing more.
class SettingsFields {
public:
    explicit SettingsFields(std::string_view content) : reader_(std::string(content)) {}

    // The next field as a loose number; nothing when it is not one.
    std::optional<Loose> next()
    {
        if (ended_ || reader_.atEnd()) return ended_ = true, std::nullopt;
        try {
            return Loose::fromText(reader_.text());
        } catch (const FileFault&) {
            ended_ = true;
            return std::nullopt;
        }
    }

    // A row 0..last of a selection box (or a body index when `alsoFixed`
    // allows the fixed point 90 besides 0..last).
    void row(int& target, int last, bool alsoFixed = false)
    {
        const auto field = next();
        if (!field) return;
        const double v = field->value();
        if (v == std::trunc(v) && ((v >= 0 && v <= last) || (alsoFixed && v == body::FixedPoint)))
            target = static_cast<int>(v);
    }

    void number(Loose& target)
    {
        if (const auto field = next()) target = *field;
    }

    void number(double& target)
    {
        if (const auto field = next()) target = field->value();
    }

    // An angle in radians within ±limit; one further out (a number gone
    // wild, or degrees) keeps the value the variable has.
    void angle(double& target, double limit)
    {
        const auto field = next();
        if (field && std::abs(field->value()) <= limit) target = field->value();
    }

    void single(float& target)
    {
        const auto field = next();
        if (field && std::abs(field->value()) <= std::numeric_limits<float>::max())
            target = static_cast<float>(field->value());
    }

private:
    FieldReader reader_;
    bool ended_ = false;
};

}  // namespace

std::string settingsLine(const PanelVariables& v)
{
    const std::string fields[] = {
        wholeText(v.je),    looseText(v.Dho),          looseText(v.Dmi),      wholeText(v.scene),    wholeText(v.music),
        looseText(v.d3dd),  exactNumberText(v.d3dd00), exactNumberText(v.b1), exactNumberText(v.b2), looseText(v.b0),
        looseText(v.t10),   looseText(v.times),        wholeText(v.selec),    wholeText(v.norm),     wholeText(v.orbit),
        wholeText(v.sname), wholeText(v.preci),        wholeText(v.gra),      wholeText(v.color),    wholeText(v.cross),
        wholeText(v.con),   wholeText(v.view),         wholeText(v.see)};
    std::string line = fields[0];
    for (size_t i = 1; i < std::size(fields); ++i) line += "," + fields[i];
    return line;
}

void readSettings(std::string_view content, PanelVariables& v)
{
    SettingsFields f(content);
    f.row(v.je, English);
    f.number(v.Dho);
    f.number(v.Dmi);
    f.row(v.scene, SceneSlots - 1);
    f.row(v.music, 1);
    f.number(v.d3dd);
    f.single(v.d3dd00);
    // The panel turns the aim point within a full turn and a quarter turn.
    f.angle(v.b1, 2 * p0 * (1 + 1e-12));
    f.angle(v.b2, p0 / 2 * (1 + 1e-12));
    f.number(v.b0);
    f.number(v.t10);
    f.number(v.times);
    f.row(v.selec, 5);
    f.row(v.norm, 5);
    f.row(v.orbit, 3);
    f.row(v.sname, 2);
    f.row(v.preci, 1);
    f.row(v.gra, 5);
    f.row(v.color, 4);
    f.row(v.cross, 4);
    f.row(v.con, 2);
    f.row(v.view, body::LastAsteroid, true);
    f.row(v.see, body::LastAsteroid, true);
}

}  // namespace halvane
