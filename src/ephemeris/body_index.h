// Every body the program can show, follow or look from has one index; each
// of its properties lives in a per-body table at that index.
#pragma once

#include <array>

namespace halvane::body {

inline constexpr int Sun = 0;
inline constexpr int Mercury = 1;
inline constexpr int Venus = 2;
inline constexpr int Earth = 3;
inline constexpr int Mars = 4;
inline constexpr int Jupiter = 5;
inline constexpr int Saturn = 6;
inline constexpr int Uranus = 7;
inline constexpr int Neptune = 8;
inline constexpr int Pluto = 9;
inline constexpr int Moon = 10;
inline constexpr int FirstComet = 11;
inline constexpr int LastComet = 20;
inline constexpr int FirstAsteroid = 21;
inline constexpr int LastAsteroid = 30;
inline constexpr int FirstTailEnd = 31;
inline constexpr int LastTailEnd = 40;
inline constexpr int FixedPoint = 90;
inline constexpr int VernalEquinox = 91;
inline constexpr int AutumnalPoint = 92;
inline constexpr int NorthPole = 93;
inline constexpr int SouthPole = 94;
inline constexpr int SummerSolstice = 95;
inline constexpr int WinterSolstice = 96;
inline constexpr int EclipticNorthPole = 97;
inline constexpr int EclipticSouthPole = 98;
inline constexpr int LastReferencePoint = 98;

// Entries 0 to 98 of every per-body table.
inline constexpr int Slots = 99;

// Whether `index` names an entry of the per-body tables (a value read from a
// file may not).
constexpr bool isSlot(int index) { return index >= 0 && index < Slots; }

constexpr bool isComet(int index) { return index >= FirstComet && index <= LastComet; }

// The Sun, the planets, the Moon, the comets and the asteroids: 0 to 30.
constexpr bool isBody(int index) { return index >= Sun && index <= LastAsteroid; }

// Whether `index` is a body the viewpoint and follow boxes offer: 0 to 30,
// or the fixed point.
constexpr bool isViewpointChoice(int index) { return isBody(index) || index == FixedPoint; }

}  // namespace halvane::body

namespace halvane {

template <typename T> using PerBody = std::array<T, body::Slots>;

}  // namespace halvane
