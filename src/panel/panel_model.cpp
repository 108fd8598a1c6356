#include "panel/panel_model.h"

namespace halvane {

void PanelModel::storeText(TextBox id, std::string text)
{
    texts_[static_cast<size_t>(id)] = std::move(text);
    changed({Control::Text, id});
}

void PanelModel::storeShown(ComboBox id, std::string text)
{
    boxes_[static_cast<size_t>(id)].shown = std::move(text);
    changed({Control::Combo, id});
}

void PanelModel::storeEntries(ComboBox id, std::vector<std::string> entries)
{
    boxes_[static_cast<size_t>(id)].entries = std::move(entries);
    changed({Control::Combo, id});
}

void PanelModel::changed(Control control) const
{
    if (onChanged) onChanged(control);
}

}  // namespace halvane
