#include "render/help_request.h"

#include "animation/help_screen.h"
#include "render/panel_sync.h"

namespace halvane {

void helpRequest(Halvane& h, Surface& surface)
{
    readLanguage(h);
    h.flags.t99 = true;
    h.vars.norm = repeat::Single;
    helpScreen(h, surface);
}

}  // namespace halvane
