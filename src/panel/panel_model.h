// The control panel as data: 23 text boxes and 14 selection boxes. The
// window's widgets only mirror this model, so every handler runs in tests.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace halvane {

enum TextBox : int {
    Text1 = 1,
    Text2,
    Text3,
    Text4,
    Text5,
    Text6,
    Text7,
    Text8,
    Text9,
    Text10,
    Text11,
    Text12,
    Text13,
    Text14,
    Text15,
    Text16,
    Text17,
    Text18,
    Text19,
    Text20,
    Text21,
    Text22,
    Text23
};
inline constexpr int TextBoxSlots = Text23 + 1;

// Combo7 and Combo13 do not exist.
enum ComboBox : int {
    Combo1 = 1,
    Combo2,
    Combo3,
    Combo4,
    Combo5,
    Combo6,
    Combo8 = 8,
    Combo9,
    Combo10,
    Combo11,
    Combo12,
    Combo14 = 14,
    Combo15,
    Combo16
};
inline constexpr int ComboBoxSlots = Combo16 + 1;
inline constexpr std::array<ComboBox, 14> allComboBoxes{Combo1, Combo2,  Combo3,  Combo4,  Combo5,  Combo6,  Combo8,
                                                        Combo9, Combo10, Combo11, Combo12, Combo14, Combo15, Combo16};

struct SelectionBox {
    std::vector<std::string> entries;
    std::string shown;
};

struct Control {
    enum Kind { Text, Combo } kind;
    int id;
};

class PanelModel {
public:
    const std::string& text(TextBox id) const { return texts_[static_cast<size_t>(id)]; }
    const SelectionBox& box(ComboBox id) const { return boxes_[static_cast<size_t>(id)]; }

    // Raw writes without change handlers; the panel's handlers use these.
    void storeText(TextBox id, std::string text);
    void storeShown(ComboBox id, std::string text);
    void storeEntries(ComboBox id, std::vector<std::string> entries);

    // Told after every change of a control, so that a view can mirror it.
    std::function<void(Control)> onChanged;

private:
    void changed(Control control) const;

    std::array<std::string, TextBoxSlots> texts_;
    std::array<SelectionBox, ComboBoxSlots> boxes_;
};

}  // namespace halvane
