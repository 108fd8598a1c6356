#include "panel/settings_record.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace halvane {
namespace {

// Every field away from its default, with numbers that need all their
// digits, an empty field and the fixed point.
const std::string EveryFieldChanged = "0,-5.5,,17,1,2.25,1.5,0.30000000000000004,-1.2345678901234567,100000000,"
                                      "0.015,365,5,3,2,1,1,4,3,2,1,90,30";

PanelVariables everyFieldChanged()
{
    PanelVariables v;
    readSettings(EveryFieldChanged, v);
    return v;
}

// The 23 fields that a reader keeps.
auto fields(const PanelVariables& v)
{
    return std::make_tuple(v.je, v.Dho, v.Dmi, v.scene, v.music, v.d3dd, v.d3dd00, v.b1, v.b2, v.b0, v.t10, v.times,
                           v.selec, v.norm, v.orbit, v.sname, v.preci, v.gra, v.color, v.cross, v.con, v.view, v.see);
}

TEST(SettingsRecord, DefaultsAreWrittenAsOneLineOfShortestNumbers)
{
    EXPECT_EQ(settingsLine(PanelVariables{}), "1,9,0,0,0,1,1,1.5707963267950003,0,20,10,10,0,0,0,0,0,0,0,0,0,0,90");
    PanelVariables v;
    v.d3dd00 = 1.5f;
    v.Dho = Loose();
    EXPECT_EQ(settingsLine(v).substr(0, 14), "1,,0,0,0,1,1.5");
}

TEST(SettingsRecord, EveryFieldReadsBackAsWritten)
{
    const PanelVariables v = everyFieldChanged();
    EXPECT_EQ(settingsLine(v), EveryFieldChanged);
    EXPECT_EQ(fields(v),
              std::make_tuple(Japanese, Loose(-5.5), Loose(), 17, 1, Loose(2.25), 1.5f, 0.1 + 0.2, -1.2345678901234567,
                              Loose(1e8), Loose(0.015), Loose(365), 5, 3, 2, 1, 1, 4, 3, 2, 1, body::FixedPoint,
                              body::LastAsteroid));
    PanelVariables again;
    readSettings(settingsLine(v) + "\r\n", again);
    EXPECT_EQ(fields(again), fields(v));
}

TEST(SettingsRecord, AFieldIsUsedOnlyWhenItsVariableCanHoldIt)
{
    const std::string good = EveryFieldChanged;
    // Replaces field `index` (from 1) of the good line.
    auto with = [&](int index, const std::string& field) {
        std::string line = good;
        size_t start = 0;
        for (int k = 1; k < index; ++k) start = line.find(',', start) + 1;
        return line.replace(start, line.find(',', start) - start, field);
    };
    struct Case {
        std::string content;
        std::function<bool(const PanelVariables&)> holds;
        const char* what;
    };
    const PanelVariables d;
    const Case cases[] = {
        {"", [&](auto& v) { return fields(v) == fields(d); }, "no field: every default stays"},
        {"0", [&](auto& v) { return v.je == 0 && v.Dho == d.Dho && v.see == d.see; }, "a short file"},
        {"0,3,\"", [&](auto& v) { return v.je == 0 && v.Dho == Loose(3) && v.Dmi == d.Dmi; }, "an open quote ends it"},
        {with(1, "7"), [&](auto& v) { return v.je == d.je && v.scene == 17; }, "language 7"},
        {with(13, "9"), [&](auto& v) { return v.selec == d.selec && v.norm == 3; }, "display mode 9"},
        {with(13, "2.5"), [&](auto& v) { return v.selec == d.selec; }, "a row between rows"},
        {with(14, "-1"), [&](auto& v) { return v.norm == d.norm; }, "a negative row"},
        {with(4, "43"), [&](auto& v) { return v.scene == d.scene; }, "scene 43"},
        {with(22, "55"), [&](auto& v) { return v.view == d.view && v.see == 30; }, "viewpoint 55"},
        {with(23, "90"), [&](auto& v) { return v.see == body::FixedPoint; }, "no following"},
        {with(23, "31"), [&](auto& v) { return v.see == d.see; }, "a tail end is no body to follow"},
        {with(8, "nan"), [&](auto& v) { return v.b1 == d.b1 && v.b2 == everyFieldChanged().b2; }, "NaN"},
        {with(10, "1e999"), [&](auto& v) { return v.b0 == d.b0; }, "infinity"},
        {with(7, "1e300"), [&](auto& v) { return v.d3dd00 == d.d3dd00; }, "too big for single precision"},
        {with(2, "nine"), [&](auto& v) { return v.Dho == d.Dho && v.Dmi.empty(); }, "a word"},
        {with(5, ""), [&](auto& v) { return v.music == 0; }, "an empty field reads as 0"},
        {with(2, " 10 "), [&](auto& v) { return v.Dho == Loose(10); }, "blanks around a number"},
    };
    for (const Case& c : cases) {
        PanelVariables v;
        readSettings(c.content, v);
        EXPECT_TRUE(c.holds(v)) << c.what << ": " << c.content;
    }
}

// Whatever a damaged file holds, each variable ends within what the panel
// can show, and the line written next reads back to the same values.
TEST(SettingsRecord, AnglesOutsideThePanelsRangeKeepTheirDefaults)
{
    const PanelVariables defaults;
    const struct {
        std::string angles;  // fields 8 and 9
        double b1, b2;
    } cases[] = {
        {"1e308,1e308", defaults.b1, defaults.b2},
        {"180,45", defaults.b1, defaults.b2},  // written in degrees
        {"-7,-1.6", defaults.b1, defaults.b2},
        {"6.2,-1.5", 6.2, -1.5},
        {"0,1.57", 0, 1.57},
    };
    for (const auto& c : cases) {
        PanelVariables v;
        readSettings("0,9,0,0,0,1,1," + c.angles + ",20,10,10", v);
        EXPECT_EQ(v.b1, c.b1) << c.angles;
        EXPECT_EQ(v.b2, c.b2) << c.angles;
        const std::string line = settingsLine(v);
        EXPECT_EQ(line.find_first_of("eE"), std::string::npos) << line;
        EXPECT_LT(line.size(), 120u) << line;
    }
}

TEST(SettingsRecord, RandomlyDamagedFilesGiveUsableSettings)
{
    const std::string good = EveryFieldChanged + "\r\n";
    const std::string alphabet = "0123456789.,-+eE \"\r\nx\x80\xff\t";
    std::mt19937 engine(12);
    auto below = [&](size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(engine); };
    for (int trial = 0; trial < 5000; ++trial) {
        std::string damaged = good;
        for (size_t edits = 1 + below(6); edits > 0; --edits) {
            const size_t at = damaged.empty() ? 0 : below(damaged.size());
            const char c = alphabet[below(alphabet.size())];
            switch (below(4)) {
            case 0:
                damaged.insert(at, 1, c);
                break;
            case 1:
                if (!damaged.empty()) damaged.erase(at, 1);
                break;
            case 2:
                if (!damaged.empty()) damaged[at] = c;
                break;
            default:
                damaged.resize(at);
                break;
            }
        }
        PanelVariables v;
        readSettings(damaged, v);
        ASSERT_TRUE(v.je == Japanese || v.je == English) << damaged;
        const std::pair<int, int> rows[] = {{v.selec, 5},
                                            {v.norm, 5},
                                            {v.gra, 5},
                                            {v.orbit, 3},
                                            {v.sname, 2},
                                            {v.preci, 1},
                                            {v.color, 4},
                                            {v.cross, 4},
                                            {v.con, 2},
                                            {v.music, 1},
                                            {v.scene, SceneSlots - 1}};
        for (auto [row, last] : rows) ASSERT_TRUE(row >= 0 && row <= last) << damaged;
        for (int b : {v.view, v.see}) ASSERT_TRUE((b >= 0 && b <= body::LastAsteroid) || b == body::FixedPoint);
        for (double x : {v.b1, v.b2, v.b0.value(), v.Dho.value(), v.Dmi.value(), v.d3dd.value(), v.t10.value(),
                         v.times.value(), static_cast<double>(v.d3dd00)})
            ASSERT_TRUE(std::isfinite(x)) << damaged;
        PanelVariables again;
        readSettings(settingsLine(v), again);
        ASSERT_EQ(fields(again), fields(v)) << damaged;
    }
}

}  // namespace
}  // namespace halvane
