#include "data/demo_script.h"

#include <iterator>

#include "data/record_reading.h"
#include "ephemeris/body_index.h"

namespace halvane {

namespace {

constexpr int Scenes = 40;
constexpr int Parameters = 21;
constexpr int FirstSelection = 11;  // parameters 11 to 21 choose rows of selection boxes

// Whether a scene's selection parameter names a row its box has: display
// mode, repeat mode, bodies shown, names, precision, brightness, colour,
// rays, lines (11 to 19), then viewpoint and follow target (bodies 0 to 30
// or the fixed point).
bool isSelectableRow(int parameter, double value)
{
    constexpr int lastRow[] = {5, 5, 3, 2, 1, 5, 4, 4, 2};
    if (value != Int(value)) return false;
    if (parameter - FirstSelection < static_cast<int>(std::size(lastRow)))
        return value >= 0 && value <= lastRow[parameter - FirstSelection];
    return body::isViewpointChoice(static_cast<int>(value));
}

}  // namespace

void readDemoScript(DemoScript& script, Bilingual<SceneSlots>& sceneNames, const std::string& folder,
                    Messages& messages)
{
    readOptionalFile(folder, "demo.csv", {.records = Scenes + 1}, messages, [&](FieldReader& r, int scene) {
        std::string japanese = r.text();
        std::string english = r.text();
        std::array<Loose, Parameters + 1> values;
        for (int p = 1; p <= Parameters; ++p) {
            if (scene == 0)
                r.text();  // column titles
            else
                values[p] = r.looseNumber();
            if (p >= FirstSelection && !isSelectableRow(p, values[p])) r.reject("a choice outside its list");
        }
        sceneNames[Japanese][scene] = std::move(japanese);
        sceneNames[English][scene] = std::move(english);
        for (int p = 1; p <= Parameters; ++p) script.parameters[p][scene] = values[p];
        script.rowsRead = scene + 1;
    });
}

}  // namespace halvane
