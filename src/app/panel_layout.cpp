#include "app/panel_layout.h"

#include <algorithm>

namespace halvane {

namespace {

constexpr int textHeight = 270;
constexpr int boxHeight = 285;
constexpr int buttonWidth = 135;
constexpr int buttonHeight = 255;
constexpr int boxWidth = 975;

constexpr PlacedControl T(int id, int left, int top, int width, int height = textHeight)
{
    return {PlacedControl::Text, id, left, top, width, height, nullptr};
}
constexpr PlacedControl B(int id, int left, int top, const char* caption, int width = buttonWidth)
{
    return {PlacedControl::Button, id, left, top, width, buttonHeight, caption};
}
constexpr PlacedControl C(int id, int top) { return {PlacedControl::Combo, id, 0, top, boxWidth, boxHeight, nullptr}; }

// One row of the panel to a line.
// clang-format off
constexpr PlacedControl layout[] = {
    T(Text20, 0, 0, 615), T(Text21, 600, 0, 615),
    B(Command5, 0, 240, "+"), T(Text1, 120, 240, 495, 285), B(Command4, 600, 240, "-"), T(Text11, 720, 240, 495),
    B(Command2, 0, 480, "+"), T(Text2, 120, 480, 495), B(Command3, 600, 480, "-"), T(Text12, 720, 480, 495),
    T(Text22, 0, 720, 1335),
    T(Text23, 0, 960, 1215),
    B(Command6, 0, 1200, "+"), T(Text3, 120, 1200, 975), B(Command7, 1080, 1200, "-"),
    B(Command15, 0, 1440, "+"), T(Text4, 120, 1440, 735), B(Command14, 840, 1440, "-"),
    B(Command13, 0, 1680, "+"), T(Text5, 120, 1680, 375), B(Command12, 480, 1680, "-"),
    B(Command9, 0, 1920, "+"), T(Text6, 120, 1920, 375), B(Command8, 480, 1920, "-"),
    T(Text7, 0, 2160, 375), T(Text8, 360, 2160, 375),
    T(Text9, 0, 2400, 255), T(Text10, 240, 2400, 255),
    B(Command1, 0, 2640, "+"), T(Text16, 120, 2640, 495), B(Command17, 600, 2640, "-"),
    B(Command25, 0, 2880, "+", 225), T(Text15, 120, 2880, 495), B(Command26, 600, 2880, "-"),
    T(Text13, 0, 3120, 375), T(Text14, 360, 3120, 375),
    B(Command11, 0, 3360, "+"), T(Text17, 120, 3360, 495), B(Command16, 600, 3360, "-"),
    B(Command18, 0, 3600, "+"), T(Text18, 120, 3600, 495), B(Command19, 600, 3600, "-"),
    B(Command20, 0, 3840, "+"), T(Text19, 120, 3840, 495), B(Command21, 600, 3840, "-"),
    C(Combo8, 4080), C(Combo6, 4320), C(Combo5, 4560), C(Combo4, 4800), C(Combo1, 5040),
    C(Combo2, 5280), C(Combo9, 5520), C(Combo10, 5760), C(Combo11, 6000), C(Combo14, 6240),
    C(Combo15, 6480), C(Combo12, 6720), C(Combo16, 6960), C(Combo3, 7200),
    B(Command10, 0, 7440, "Exp.", 615),
};
// clang-format on

}  // namespace

std::span<const PlacedControl> panelLayout() { return layout; }

int panelWidth()
{
    int right = 0;
    for (const PlacedControl& c : layout) right = std::max(right, c.left + c.width);
    return right;
}

int visibleWidth(const PlacedControl& control)
{
    int visible = control.width;
    for (const PlacedControl& other : layout)
        if (other.top == control.top && other.left > control.left && other.left < control.left + visible)
            visible = other.left - control.left;
    return visible;
}

}  // namespace halvane
