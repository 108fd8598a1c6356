#include "render/time_model.h"

#include "ephemeris/day_count.h"
#include "ephemeris/elements_of_date.h"
#include "ephemeris/moment.h"
#include "panel/change_handlers.h"

namespace halvane {

namespace {

double panelLagDays(const PanelVariables& v) { return lagDays(v.Dho, v.Dmi); }

bool isRepeatMode(int norm) { return norm >= repeat::Single && norm <= repeat::Default; }

bool isLanguage(int je) { return je == Japanese || je == English; }

}  // namespace

void setDateVariables(PanelVariables& v, const CalendarMoment& moment)
{
    v.Ye = moment.year;
    v.Mo = moment.month;
    v.Da = moment.day;
    v.Ho = moment.hour;
    v.Minu = moment.minute;
}

void dateToPanel(Halvane& h)
{
    const PanelVariables shown = h.vars;  // every write runs a handler
    setText(h, Text4, shown.Ye.text());
    setText(h, Text5, shown.Mo.text());
    setText(h, Text6, shown.Da.text());
    setText(h, Text7, shown.Ho.text());
    setText(h, Text8, shown.Minu.text());
}

void clockStep(Halvane& h, const Clock& clock, int normAtPassStart)
{
    const LocalDateTime now = clock.now();
    auto& v = h.vars;
    setDateVariables(v, {1.0 * now.year, 1.0 * now.month, 1.0 * now.day, 1.0 * now.hour, 1.0 * now.minute});
    v.StrMinu = twoDigitMinute(v.Minu);
    dateToPanel(h);

    if (v.norm != repeat::Now) return;
    v.norm = normAtPassStart;
    if (isRepeatMode(v.norm) && isLanguage(v.je))
        setShown(h, Combo4, h.texts.menu[language(v.je)][menu::RepeatMode][static_cast<size_t>(v.norm)]);
}

void sequentialStep(Halvane& h)
{
    setDateVariables(h.vars, calendarMoment(localDaysOfMoment(h.time.Ti, panelLagDays(h.vars)), h.time.monthStart));
    dateToPanel(h);
}

void computeTime(Halvane& h, double timeStepDays)
{
    auto& v = h.vars;
    auto& t = h.time;
    t.monthStart = monthStartTable(v.Ye);
    t.Di = dayCount(v.Ye, v.Mo, v.Da, t.monthStart);
    t.Ti = momentYears(t.Di, v.Ho, v.Minu, panelLagDays(v), timeStepDays);
    if (isRun(v.norm)) sequentialStep(h);
    updateElements(h.bodies, h.bodies, h.sky, t.monthStart, t.Ti);
}

}  // namespace halvane
