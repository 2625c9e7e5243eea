#pragma once

#include <QPainter>

#include <vector>

namespace kes::gen {

// The card back designs drawn as little pictures: each is painted into a
// field of kBackFieldWidth x kBackFieldHeight units, which the caller maps
// onto the card inside its white border.
inline constexpr double kBackFieldWidth = 100;
inline constexpr double kBackFieldHeight = 140;

// The design numbers drawn here.
std::vector<int> sceneBackNumbers();
// Paints design `number`; false when it is not one of them.
bool drawBackScene(int number, QPainter& painter);

}  // namespace kes::gen
