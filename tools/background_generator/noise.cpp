#include "noise.h"

#include <cmath>

namespace kes::gen {

namespace {

int wrap(int i, int n) { return ((i % n) + n) % n; }

double smooth(double t) { return t * t * (3.0 - 2.0 * t); }

double lerp(double a, double b, double t) { return a + (b - a) * t; }

}  // namespace

std::uint32_t hashOf(int x, int y, int seed) {
  std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393u + static_cast<std::uint32_t>(y) * 668265263u +
                    static_cast<std::uint32_t>(seed) * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  return h ^ (h >> 16);
}

double hash01(int x, int y, int seed) { return (hashOf(x, y, seed) & 0xFFFFFFu) / 16777216.0; }

double stretchedNoise(double u, double v, int cellsAcross, int cellsDown, int seed) {
  const double x = u * cellsAcross;
  const double y = v * cellsDown;
  const int x0 = static_cast<int>(std::floor(x));
  const int y0 = static_cast<int>(std::floor(y));
  const double tx = smooth(x - x0);
  const double ty = smooth(y - y0);
  const auto at = [&](int i, int j) { return hash01(wrap(i, cellsAcross), wrap(j, cellsDown), seed); };
  return lerp(lerp(at(x0, y0), at(x0 + 1, y0), tx), lerp(at(x0, y0 + 1), at(x0 + 1, y0 + 1), tx), ty);
}

double valueNoise(double u, double v, int cells, int seed) { return stretchedNoise(u, v, cells, cells, seed); }

double fractalNoise(double u, double v, int cells, int octaves, int seed) {
  double sum = 0;
  double weight = 0.5;
  double total = 0;
  for (int o = 0; o < octaves; ++o) {
    sum += weight * valueNoise(u, v, cells << o, seed + o * 101);
    total += weight;
    weight *= 0.5;
  }
  return sum / total;
}

CellDistance cellNoise(double u, double v, int cells, int seed) {
  const double x = u * cells;
  const double y = v * cells;
  const int cx = static_cast<int>(std::floor(x));
  const int cy = static_cast<int>(std::floor(y));
  CellDistance d{1e9, 1e9, 0, 0};
  for (int j = cy - 1; j <= cy + 1; ++j)
    for (int i = cx - 1; i <= cx + 1; ++i) {
      const int wi = wrap(i, cells);
      const int wj = wrap(j, cells);
      const double px = i + 0.15 + 0.7 * hash01(wi, wj, seed);
      const double py = j + 0.15 + 0.7 * hash01(wi, wj, seed + 7);
      const double dist = std::hypot(px - x, py - y);
      if (dist < d.nearest) {
        d.second = d.nearest;
        d.nearest = dist;
        d.cellX = wi;
        d.cellY = wj;
      } else if (dist < d.second) {
        d.second = dist;
      }
    }
  return d;
}

}  // namespace kes::gen
