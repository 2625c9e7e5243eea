#pragma once

#include <cstdint>

namespace kes::gen {

// Noise that repeats over the unit square, so that pictures made from it
// tile without seams. Coordinates u, v run over [0, 1) across one tile;
// `cells` is the number of lattice cells along each side of the tile.

// A well-mixed 32-bit number from a few integers.
std::uint32_t hashOf(int x, int y, int seed);
// hashOf as a number in [0, 1).
double hash01(int x, int y, int seed);

// Smooth value noise in [0, 1).
double valueNoise(double u, double v, int cells, int seed);
// Value noise stretched: more cells across than down (grain, brushing).
double stretchedNoise(double u, double v, int cellsAcross, int cellsDown, int seed);
// Octaves of value noise, each with twice the cells and half the weight of
// the last, scaled to [0, 1).
double fractalNoise(double u, double v, int cells, int octaves, int seed);

// Distances to the nearest and the second nearest of one random point per
// cell of a cells x cells grid (in cell units), and the nearest point's cell.
struct CellDistance {
  double nearest = 0;
  double second = 0;
  int cellX = 0;
  int cellY = 0;
};
CellDistance cellNoise(double u, double v, int cells, int seed);

}  // namespace kes::gen
