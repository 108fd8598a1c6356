// The panel's modes: the display mode (selec), the repeat mode (norm) and
// the names choice (sname), each a row of its selection box, and the tests of
// them that more than one part makes, each named once.
#pragma once

namespace halvane {

// Display modes (rows of menu column 5).
namespace display {
inline constexpr int SkyEquatorial = 0;
inline constexpr int Zodiac = 1;
inline constexpr int TwoOrbit = 2;
inline constexpr int ThreeDOrbit = 3;
inline constexpr int OneOrbit = 4;
inline constexpr int SkyEcliptic = 5;
}  // namespace display

// Repeat modes (rows of menu column 4).
namespace repeat {
inline constexpr int Single = 0;
inline constexpr int AtRandom = 1;
inline constexpr int Sequential = 2;
inline constexpr int Overlay = 3;
inline constexpr int Now = 4;
inline constexpr int Default = 5;
}  // namespace repeat

// Names choices (rows of menu column 2).
namespace names {
inline constexpr int None = 0;
inline constexpr int With = 1;
inline constexpr int Only = 2;
}  // namespace names

// The star charts: the equatorial and the ecliptic sky.
constexpr bool isSkyView(int selec) { return selec == display::SkyEquatorial || selec == display::SkyEcliptic; }

// The three orbit views.
constexpr bool isOrbitView(int selec) { return selec >= display::TwoOrbit && selec <= display::OneOrbit; }

// The charts drawn in equatorial angles: the equatorial sky and the zodiac.
constexpr bool isEquatorialView(int selec) { return selec <= display::Zodiac; }

// A run of passes, each moved on by the interval: sequential or overlay.
constexpr bool isRun(int norm) { return norm == repeat::Sequential || norm == repeat::Overlay; }

// A pass of an overlay run after its first, drawn over the passes before it.
constexpr bool isLaterOverlayPass(int norm, int passCounter) { return norm == repeat::Overlay && passCounter != 1; }

// The first pass of an overlay run, which clears what was there.
constexpr bool isFirstOverlayPass(int norm, int passCounter) { return norm == repeat::Overlay && passCounter == 1; }

constexpr bool noNames(int sname) { return sname == names::None; }
constexpr bool withNames(int sname) { return sname == names::With; }
constexpr bool namesOnly(int sname) { return sname == names::Only; }

}  // namespace halvane
