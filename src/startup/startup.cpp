#include "startup/startup.h"

#include <optional>

#include "data/age_file.h"
#include "data/catalogue_conversion.h"
#include "data/constellation_lines.h"
#include "data/demo_script.h"
#include "data/named_stars.h"
#include "data/small_body_files.h"
#include "data/star_catalogue.h"
#include "ephemeris/day_count.h"
#include "ephemeris/moment.h"
#include "music/music_player.h"
#include "panel/change_handlers.h"
#include "panel/panel_fill.h"
#include "render/time_model.h"
#include "startup/settings_file.h"

namespace halvane {

void setDefaults(PanelVariables& v)
{
    const PanelVariables defaults;
    v.b1 = defaults.b1;
    v.b2 = defaults.b2;
    v.b0 = defaults.b0;
    v.je = defaults.je;
    v.Dho = defaults.Dho;
    v.Dmi = defaults.Dmi;
    v.Ka = defaults.Ka;
    v.kaiten = defaults.kaiten;
    v.d3dd = defaults.d3dd;
    v.d3dd00 = defaults.d3dd00;
    v.t10 = defaults.t10;
    v.times = defaults.times;
}

void takePresentMoment(Halvane& h, const Clock& clock)
{
    const LocalDateTime now = clock.now();
    auto& v = h.vars;
    setDateVariables(v, {1.0 * now.year, 1.0 * now.month, 1.0 * now.day, 1.0 * now.hour, 1.0 * now.minute});
    v.StrMinu = twoDigitMinute(v.Minu);

    auto& t = h.time;
    t.monthStart = monthStartTable(v.Ye);
    t.Di = dayCount(v.Ye, v.Mo, v.Da, t.monthStart);
    t.Ti0 = momentYears(t.Di, v.Ho, v.Minu, lagDays(v.Dho, v.Dmi), 0);
}

namespace {

// The start-up steps; without a settings folder no settings file is read
// (a chart without a window).
void loadForm(Halvane& h, StartupPorts ports, const std::string& programFolder,
              const std::optional<std::string>& settingsFolder)
{
    fillNameTables(h.texts);
    h.vars.see = body::FixedPoint;
    ports.random.reseed();
    h.strParent = programFolder;
    setDefaults(h.vars);
    if (settingsFolder) readSettingsFile(h.vars, *settingsFolder);
    readNamedStars(h.stars, h.strParent, ports.messages);
    if (ports.music) ports.music->start(h.strParent, h.vars.music, ports.messages);
    readDemoScript(h.demo, h.texts.sceneNames, h.strParent, ports.messages);
    setBuiltInSceneNames(h.texts);
    readConstellationLines(h.stars, h.strParent, ports.messages);
    fillBodyTables(h.bodies, h.texts, h.strParent, ports.messages);
    readAges(h.ages, h.strParent, ports.messages);
    fillMessages(h.texts);
    fillBodyColours(h.bodies);
    fillDisplayScales(h.bodies);
    fillMenuTables(h.texts);
    fillSelectionBoxes(h);
    takePresentMoment(h, ports.clock);
    fillTextBoxes(h);
    fillEquinoxLabel(h.texts);
    fillHelpLines(h.texts);
}

}  // namespace

void formLoad(Halvane& h, StartupPorts ports, const std::string& programFolder, const std::string& settingsFolder)
{
    loadForm(h, ports, programFolder, settingsFolder.empty() ? programFolder : settingsFolder);
}

void chartLoad(Halvane& h, StartupPorts ports, const std::string& programFolder)
{
    ports.music = nullptr;
    loadForm(h, ports, programFolder, std::nullopt);
}

void loadCatalogue(Halvane& h, Messages& messages)
{
    readStarCatalogue(h.stars, h.strParent, messages);
    convertToEcliptic(h.stars);
}

}  // namespace halvane
