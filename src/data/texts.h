// Every text the user sees, in Japanese (language 0) and English (language 1).
#pragma once

#include <array>
#include <string>

#include "ephemeris/body_index.h"

namespace halvane {

inline constexpr int Japanese = 0;
inline constexpr int English = 1;

// The table column of language `je`; any value but Japanese reads English,
// so a value from outside the panel never indexes past the tables.
constexpr size_t language(int je) { return je == Japanese ? 0 : 1; }

template <size_t N> using Bilingual = std::array<std::array<std::string, N>, 2>;

// Columns of the menu table: one selection box's entries each.
namespace menu {
inline constexpr int BodiesShown = 1;  // Combo1
inline constexpr int Names = 2;  // Combo2
inline constexpr int Language = 3;  // Combo3
inline constexpr int RepeatMode = 4;  // Combo4
inline constexpr int DisplayMode = 5;  // Combo5
inline constexpr int Precision = 6;  // Combo10
inline constexpr int Brightness = 7;  // Combo11
inline constexpr int Music = 8;  // Combo12
inline constexpr int Colour = 10;  // Combo14
inline constexpr int Rays = 11;  // Combo15
}  // namespace menu

inline constexpr int SceneSlots = 43;  // header title, 40 scenes, Saturn2, Medley
inline constexpr int SaturnScene = 41;
inline constexpr int MedleyScene = 42;

struct Texts {
    std::array<std::array<std::string, body::Slots>, 2> bodyNames;
    std::array<std::array<std::string, body::Slots>, 2> followNames;
    Bilingual<13> signNames;  // entries 1 to 12
    std::array<std::string, 13> constellationNames;  // Japanese only, entries 1 to 12
    Bilingual<7> weekdayNames;  // Sunday first
    Bilingual<8> messages;  // entries 2 to 7
    std::array<std::string, 2> equinoxLabel;
    Bilingual<2> coordinateLabels;  // 0 equatorial, 1 ecliptic
    std::array<std::array<std::array<std::string, 6>, 12>, 2> menu;  // language, column, row
    Bilingual<3> lineOptions;
    Bilingual<SceneSlots> sceneNames;
    Bilingual<22> helpLines;  // 0 banner, 1 request, 2 to 19 help, 20 and 21 other requests
    std::string englishHint;  // shown while the panel is in Japanese
};

namespace help {
inline constexpr int Banner = 0;
inline constexpr int Request = 1;
inline constexpr int FirstHelp = 2;
inline constexpr int LastHelp = 19;
inline constexpr int RequestToEnjoy = 20;
inline constexpr int RequestToWait = 21;
}  // namespace help

namespace message {
inline constexpr int InputNumber = 2;
inline constexpr int ShowStarsFirst = 3;
inline constexpr int InnerOrbits = 5;
inline constexpr int OuterOrbits = 6;
inline constexpr int Equinox2000 = 7;
}  // namespace message

// Body names 0 to 10 and 90 to 98, follow-target entry 90, signs,
// constellations and weekdays.
void fillNameTables(Texts& texts);

// The message table.
void fillMessages(Texts& texts);

// Coordinate labels, the menu table and the constellation-line options.
void fillMenuTables(Texts& texts);

// The equinox label.
void fillEquinoxLabel(Texts& texts);

// The banner with the program's version, the help lines and the hint at
// the English version.
void fillHelpLines(Texts& texts);

// Follow targets 0 to 30 copied from the body names, both languages.
void copyFollowNames(Texts& texts);

// Scene names 41 and 42, set after the demonstration script is read.
void setBuiltInSceneNames(Texts& texts);

}  // namespace halvane
