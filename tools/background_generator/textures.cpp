#include "textures.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

#include "noise.h"

namespace kes::gen {

namespace {

constexpr double kTau = 6.283185307179586;

double clamp01(double x) { return std::clamp(x, 0.0, 1.0); }
double fract(double x) { return x - std::floor(x); }

QRgb mix(QRgb a, QRgb b, double t) {
  t = clamp01(t);
  const auto channel = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
  return qRgb(channel(qRed(a), qRed(b)), channel(qGreen(a), qGreen(b)), channel(qBlue(a), qBlue(b)));
}

// dark at 0, mid at 0.5, light at 1.
QRgb ramp(const Palette& p, double t) {
  t = clamp01(t);
  return t < 0.5 ? mix(p.dark, p.mid, t * 2) : mix(p.mid, p.light, t * 2 - 1);
}

QRgb shade(QRgb c, double factor) {
  const auto channel = [factor](int x) { return std::clamp(static_cast<int>(std::lround(x * factor)), 0, 255); };
  return qRgb(channel(qRed(c)), channel(qGreen(c)), channel(qBlue(c)));
}

// A picture drawn pixel by pixel from f(px, py, u, v).
template <typename F>
QImage perPixel(const Texture& t, F f) {
  QImage picture(t.size, t.size, QImage::Format_RGB32);
  for (int py = 0; py < t.size; ++py) {
    auto* row = reinterpret_cast<QRgb*>(picture.scanLine(py));
    for (int px = 0; px < t.size; ++px)
      row[px] = f(px, py, static_cast<double>(px) / t.size, static_cast<double>(py) / t.size);
  }
  return picture;
}

// Fine per-pixel grain, -0.5 .. 0.5, repeating with the tile.
double grain(int px, int py, int seed) { return hash01(px, py, seed) - 0.5; }

// A thread's cross-section: bright in the middle, dark at its edges.
double threadProfile(double f) { return 0.55 + 0.45 * std::sin(f * kTau / 2); }

double woodGrain(const Texture& t, double u, double v) {
  const double bend = 0.35 * fractalNoise(u, v, 4, 4, t.seed);
  const double rings = fract(v * t.scale + bend + 0.4 * stretchedNoise(u, v, 2, 6, t.seed + 3));
  const double fibres = stretchedNoise(u, v, 4, 96, t.seed + 5);
  return 0.25 + 0.45 * std::pow(rings, 2.5) + 0.3 * fibres;
}

}  // namespace

QImage felt(const Texture& t) {
  return perPixel(t, [&](int px, int py, double u, double v) {
    const double n = fractalNoise(u, v, t.scale, 5, t.seed);
    return ramp(t.colours, 0.5 + (n - 0.5) * 1.3 + 0.25 * grain(px, py, t.seed));
  });
}

// Warp and weft over and under each other: plain weave (variant 0), twill
// (1) or a coarse basket of doubled threads (2).
QImage weave(const Texture& t) {
  const int period = t.size / t.scale;
  return perPixel(t, [&](int px, int py, double u, double v) {
    const int i = px / period;
    const int j = py / period;
    const double fx = static_cast<double>(px % period) / period;
    const double fy = static_cast<double>(py % period) / period;
    bool warpOver = (i + j) % 2 == 0;
    if (t.variant == 1) warpOver = ((i + j) % 4) < 2;
    if (t.variant == 2) warpOver = (i / 2 + j / 2) % 2 == 0;
    const double along = warpOver ? stretchedNoise(u, v, t.scale, t.scale * 8, t.seed)
                                  : stretchedNoise(u, v, t.scale * 8, t.scale, t.seed + 1);
    const double thread = warpOver ? threadProfile(fx) * (0.85 + 0.3 * hash01(i, 0, t.seed))
                                   : threadProfile(fy) * (0.8 + 0.3 * hash01(0, j, t.seed));
    return ramp(t.colours, thread * (0.8 + 0.35 * along) + 0.12 * grain(px, py, t.seed) - 0.1);
  });
}

QImage marble(const Texture& t) {
  return perPixel(t, [&](int px, int py, double u, double v) {
    const double turbulence = fractalNoise(u, v, 4, 6, t.seed);
    const double wave = std::sin(kTau * (u + 2 * v) + turbulence * t.scale);
    const double vein = std::pow(1 - std::abs(wave), 10.0);
    const double cloud = fractalNoise(u, v, 8, 4, t.seed + 9);
    const QRgb base = ramp(t.colours, 0.55 + 0.4 * cloud + 0.04 * grain(px, py, t.seed));
    return mix(base, t.colours.dark, vein * 0.85);
  });
}

QImage granite(const Texture& t) {
  return perPixel(t, [&](int px, int py, double u, double v) {
    const double base = fractalNoise(u, v, t.scale, 4, t.seed);
    const double speck = hash01(px / 2, py / 2, t.seed + 1);
    if (speck > 0.93) return t.colours.dark;
    if (speck < 0.05) return t.colours.light;
    return ramp(t.colours, 0.25 + 0.5 * base + 0.3 * (speck - 0.5));
  });
}

// Grain running across; variant 1 cuts it into planks, variant 2 carves a
// lattice of grooves into it.
QImage wood(const Texture& t) {
  const int plankHeight = t.size / 4;
  return perPixel(t, [&](int px, int py, double u, double v) {
    double shift = 0;
    if (t.variant == 1) shift = hash01(py / plankHeight, 0, t.seed) * 3;
    double tone = woodGrain(t, u + shift, v);
    if (t.variant == 1) {
      if (py % plankHeight < 2) tone *= 0.35;
      tone += 0.15 * (hash01(py / plankHeight, 1, t.seed) - 0.5);
    }
    if (t.variant == 2) {
      const double groove = std::min(std::abs(fract(4 * (u + v)) - 0.5), std::abs(fract(4 * (u - v)) - 0.5));
      if (groove < 0.04) tone = tone * 0.5 + (groove < 0.02 ? 0.0 : 0.1);
    }
    return ramp(t.colours, tone + 0.05 * grain(px, py, t.seed));
  });
}

QImage cork(const Texture& t) {
  return perPixel(t, [&](int px, int py, double u, double v) {
    const double chunks = fractalNoise(u, v, t.scale, 3, t.seed);
    const double crumb = hash01(px / 3, py / 3, t.seed + 2);
    double tone = 0.35 + 0.5 * chunks + 0.2 * (crumb - 0.5);
    if (crumb > 0.9) tone -= 0.3;
    return ramp(t.colours, tone + 0.1 * grain(px, py, t.seed));
  });
}

// Courses of bricks in half-brick bond; variant 1 long thin bricks, variant
// 2 rough-faced ones.
QImage bricks(const Texture& t) {
  const int rows = t.scale;
  const int brickHeight = t.size / rows;
  const int bricksPerRow = t.variant == 1 ? rows / 4 : rows / 2;
  const int brickWidth = t.size / bricksPerRow;
  const int mortar = std::max(2, brickHeight / 8);
  return perPixel(t, [&](int px, int py, double u, double v) {
    const int row = py / brickHeight;
    const int x = (px + (row % 2) * brickWidth / 2) % t.size;
    const int column = x / brickWidth;
    const bool inMortar = py % brickHeight < mortar || x % brickWidth < mortar;
    const double noise = fractalNoise(u, v, 16, 3, t.seed);
    if (inMortar) return mix(qRgb(150, 146, 138), qRgb(200, 196, 186), noise + 0.2 * grain(px, py, t.seed));
    const double face = t.variant == 2 ? 0.35 * fractalNoise(u, v, 32, 3, t.seed + 4) : 0.15 * noise;
    return ramp(t.colours, 0.2 + 0.5 * hash01(column, row, t.seed) + face + 0.1 * grain(px, py, t.seed));
  });
}

// Rounded stones in mortar or sand (variant 0 and 1); variant 2 is glass:
// light-edged panes.
QImage stones(const Texture& t) {
  return perPixel(t, [&](int px, int py, double u, double v) {
    const CellDistance d = cellNoise(u, v, t.scale, t.seed);
    const double edge = d.second - d.nearest;
    const double noise = fractalNoise(u, v, 16, 3, t.seed + 3);
    if (t.variant == 2) {
      const double pane = 0.3 + 0.4 * hash01(d.cellX, d.cellY, t.seed) + 0.2 * (1 - d.nearest);
      if (edge < 0.05) return t.colours.light;
      return ramp(t.colours, pane + 0.1 * noise);
    }
    const double gap = t.variant == 1 ? 0.12 : 0.07;
    if (edge < gap) return shade(t.colours.dark, 0.5 + 0.5 * noise + 0.2 * grain(px, py, t.seed));
    const double rounding = std::min(1.0, (edge - gap) * (t.variant == 1 ? 2.5 : 5.0));
    const double tone = 0.25 + 0.55 * hash01(d.cellX, d.cellY, t.seed + 1) + 0.2 * noise;
    return shade(ramp(t.colours, tone + 0.05 * grain(px, py, t.seed)), 0.6 + 0.45 * std::sqrt(rounding));
  });
}

// Square blocks of three planks, laid alternately across and down.
QImage parquet(const Texture& t) {
  const int block = t.size / t.scale;
  const int plank = block / 3;
  return perPixel(t, [&](int px, int py, double u, double v) {
    const int bx = px / block;
    const int by = py / block;
    const bool across = (bx + by) % 2 == 0;
    const int inBlock = across ? py % block : px % block;
    const int plankIndex = std::min(2, inBlock / plank);
    const double grainAlong = across ? stretchedNoise(u, v, 8, 128, t.seed) : stretchedNoise(u, v, 128, 8, t.seed);
    double tone = 0.3 + 0.35 * hash01(bx * 3 + plankIndex, by, t.seed) + 0.3 * grainAlong;
    const bool seam = inBlock % plank == 0 || px % block == 0 || py % block == 0;
    if (seam) tone *= 0.4;
    return ramp(t.colours, tone + 0.04 * grain(px, py, t.seed) + 0.1 * (fractalNoise(u, v, 8, 2, t.seed) - 0.5));
  });
}

// Chequered floor tiles with a clouded glaze.
QImage floorTiles(const Texture& t) {
  const int tile = t.size / t.scale;
  return perPixel(t, [&](int px, int py, double u, double v) {
    const bool light = (px / tile + py / tile) % 2 == 0;
    if (px % tile < 2 || py % tile < 2) return shade(t.colours.dark, 0.6);
    const double cloud = fractalNoise(u, v, 8, 4, t.seed);
    return ramp(t.colours, (light ? 0.7 : 0.2) + 0.25 * cloud + 0.03 * grain(px, py, t.seed));
  });
}

// Lit spheres in rows (variant 0), or of any size floating in a sky with
// clouds (variant 1).
QImage spheres(const Texture& t) {
  const int cells = t.scale;
  return perPixel(t, [&](int px, int py, double u, double v) {
    const int cx = static_cast<int>(u * cells);
    const int cy = static_cast<int>(v * cells);
    double x = u * cells - cx - 0.5;
    double y = v * cells - cy - 0.5;
    double radius = 0.42;
    if (t.variant == 1) {
      radius = 0.12 + 0.25 * hash01(cx, cy, t.seed);
      x -= (0.5 - radius - 0.02) * (2 * hash01(cx, cy, t.seed + 1) - 1);
      y -= (0.5 - radius - 0.02) * (2 * hash01(cx, cy, t.seed + 2) - 1);
    }
    const double r = std::hypot(x, y) / radius;
    if (r >= 1) {
      if (t.variant == 1) {
        const double cloud = fractalNoise(u, v, 4, 5, t.seed + 5);
        return mix(qRgb(70, 120, 200), qRgb(225, 235, 250), std::pow(cloud, 1.5) * 1.3);
      }
      return shade(t.colours.dark, 0.55 + 0.3 * v + 0.05 * grain(px, py, t.seed));
    }
    const double z = std::sqrt(1 - r * r);
    const double nx = x / radius;
    const double ny = y / radius;
    const double light = std::max(0.0, (-0.5 * nx - 0.6 * ny + 0.62 * z));
    const double highlight = std::pow(light, 24.0);
    const QRgb body = ramp(t.colours, 0.15 + 0.75 * light);
    return mix(body, qRgb(255, 255, 255), highlight * 0.8);
  });
}

// Soap bubbles: thin bright rims with a shine, over a clouded field.
QImage bubbles(const Texture& t) {
  const int cells = t.scale;
  return perPixel(t, [&](int px, int py, double u, double v) {
    const double field = fractalNoise(u, v, 4, 4, t.seed + 5);
    QRgb c = ramp(t.colours, 0.2 + 0.5 * field + 0.03 * grain(px, py, t.seed));
    const int cx = static_cast<int>(u * cells);
    const int cy = static_cast<int>(v * cells);
    const double radius = 0.15 + 0.3 * hash01(cx, cy, t.seed);
    const double ox = (0.5 - radius - 0.03) * (2 * hash01(cx, cy, t.seed + 1) - 1);
    const double oy = (0.5 - radius - 0.03) * (2 * hash01(cx, cy, t.seed + 2) - 1);
    const double x = u * cells - cx - 0.5 - ox;
    const double y = v * cells - cy - 0.5 - oy;
    const double r = std::hypot(x, y) / radius;
    if (r < 1) {
      const double rim = std::pow(r, 6.0);
      const double shine = std::exp(-std::pow(std::hypot(x / radius + 0.4, y / radius + 0.45) * 5, 2));
      c = mix(c, t.colours.light, 0.15 + 0.7 * rim + 0.8 * shine);
    }
    return c;
  });
}

// Overlapping rows of round scales, each row half a scale to the side of
// the last and lying over the row below, so that each scale shows its
// rounded lower part, darkening to its rim.
QImage scales(const Texture& t) {
  const int rows = 2 * t.scale;
  return perPixel(t, [&](int px, int py, double u, double v) {
    const double x = u * t.scale;
    const double y = v * t.scale;
    const int first = static_cast<int>(std::floor(2 * y)) - 1;
    for (int r = first; r <= first + 2; ++r) {
      const double offset = (((r % 2) + 2) % 2) * 0.5;
      const double column = std::floor(x - offset + 0.5);
      const double d = std::hypot(x - column - offset, y - r * 0.5) / 0.5;
      if (d >= 1) continue;
      const int wrappedColumn = ((static_cast<int>(column) % t.scale) + t.scale) % t.scale;
      const double tint = hash01(wrappedColumn, ((r % rows) + rows) % rows, t.seed);
      if (d > 0.92) return shade(t.colours.dark, 0.8);
      return shade(ramp(t.colours, 0.35 + 0.45 * tint + 0.25 * (1 - d)), 0.65 + 0.4 * (1 - d * d * d) + 0.04 * grain(px, py, t.seed));
    }
    return t.colours.dark;
  });
}

// Bands rippling across: variant 0 soft waves, variant 1 fine straight rows.
QImage waves(const Texture& t) {
  return perPixel(t, [&](int px, int py, double u, double v) {
    double w = v;
    if (t.variant == 0) w += 0.06 * std::sin(kTau * 2 * u) + 0.03 * std::sin(kTau * (5 * u + v)) + 0.05 * fractalNoise(u, v, 4, 3, t.seed);
    const double band = 0.5 + 0.5 * std::sin(kTau * t.scale * w);
    return ramp(t.colours, (t.variant == 0 ? band : std::pow(band, 4.0)) * 0.85 + 0.1 + 0.05 * grain(px, py, t.seed));
  });
}

// Quarter-circle paths that meet from cell to cell into a maze.
QImage labyrinth(const Texture& t) {
  const int cells = t.scale;
  return perPixel(t, [&](int px, int py, double u, double v) {
    const int cx = static_cast<int>(u * cells);
    const int cy = static_cast<int>(v * cells);
    double x = u * cells - cx;
    const double y = v * cells - cy;
    if (hash01(cx, cy, t.seed) < 0.5) x = 1 - x;
    const double d = std::min(std::abs(std::hypot(x, y) - 0.5), std::abs(std::hypot(1 - x, 1 - y) - 0.5));
    const double wall = clamp01((0.16 - d) * 14);
    const double depth = fractalNoise(u, v, 8, 3, t.seed + 1);
    return wall > 0 ? shade(ramp(t.colours, 0.65 + 0.3 * depth), 0.7 + 0.3 * wall)
                    : ramp(t.colours, 0.15 + 0.2 * depth + 0.04 * grain(px, py, t.seed));
  });
}

// Glazed tiles with a motif in their middle: a diamond (variant 0) or a
// flower of four petals (variant 1).
QImage ceramics(const Texture& t) {
  const int tile = t.size / t.scale;
  return perPixel(t, [&](int px, int py, double u, double v) {
    if (px % tile < 2 || py % tile < 2) return qRgb(225, 222, 212);
    const double x = static_cast<double>(px % tile) / tile - 0.5;
    const double y = static_cast<double>(py % tile) / tile - 0.5;
    const double glaze = 0.1 * fractalNoise(u, v, 16, 3, t.seed) - 0.15 * (x + y);
    bool motif = std::abs(x) + std::abs(y) < 0.3;
    if (t.variant == 1) {
      const double a = std::atan2(y, x);
      motif = std::hypot(x, y) < 0.18 + 0.16 * std::abs(std::cos(2 * a));
    }
    const double ring = std::abs(std::max(std::abs(x), std::abs(y)) - 0.4);
    if (ring < 0.02) return shade(t.colours.dark, 1.2 + glaze);
    return motif ? shade(t.colours.light, 0.95 + glaze) : shade(t.colours.mid, 1.0 + glaze);
  });
}

// Repeating figures: diamonds, stars, linked rings, a plaid, and a patchwork
// of triangles (variants 0 to 4).
QImage geometric(const Texture& t) {
  const double cells = t.scale;
  return perPixel(t, [&](int px, int py, double u, double v) {
    const double fx = fract(u * cells) - 0.5;
    const double fy = fract(v * cells) - 0.5;
    double tone = 0;
    switch (t.variant) {
      case 0:
        tone = fract((std::abs(fx) + std::abs(fy)) * 3) < 0.5 ? 0.25 : 0.75;
        break;
      case 1: {
        const double a = std::atan2(fy, fx);
        tone = std::hypot(fx, fy) < 0.22 + 0.14 * std::cos(5 * a) ? 0.9 : 0.2 + 0.2 * (std::abs(fx) + std::abs(fy));
        break;
      }
      case 2: {
        const double d = std::min({std::hypot(fx + 0.5, fy + 0.5), std::hypot(fx - 0.5, fy + 0.5),
                                   std::hypot(fx + 0.5, fy - 0.5), std::hypot(fx - 0.5, fy - 0.5), std::hypot(fx, fy)});
        tone = std::abs(d - 0.42) < 0.06 ? 0.9 : 0.25;
        break;
      }
      case 3: {
        const double a = std::abs(fx) < 0.12 ? 0.4 : (std::abs(fx) < 0.16 ? 0.9 : 0.0);
        const double b = std::abs(fy) < 0.12 ? 0.4 : (std::abs(fy) < 0.16 ? 0.9 : 0.0);
        tone = 0.2 + 0.35 * (a + b) + ((px + py) % 4 < 2 ? 0.04 : 0.0);
        break;
      }
      default: {
        const int cx = static_cast<int>(u * cells);
        const int cy = static_cast<int>(v * cells);
        const bool upper = (hash01(cx, cy, t.seed) < 0.5) ? fx > fy : fx > -fy;
        tone = 0.15 + 0.7 * hash01(cx * 2 + (upper ? 1 : 0), cy, t.seed + 1);
        break;
      }
    }
    return ramp(t.colours, tone + 0.05 * grain(px, py, t.seed));
  });
}

// Letters scattered over a paper tint, one to a cell, each turned a little.
QImage letters(const Texture& t) {
  QImage picture = felt(Texture{t.number, nullptr, {t.colours.mid, t.colours.light, t.colours.light}, 8, 0, t.seed, t.size});
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  const int cell = t.size / t.scale;
  QFont font(QStringLiteral("DejaVu Serif"));
  for (int cy = 0; cy < t.scale; ++cy)
    for (int cx = 0; cx < t.scale; ++cx) {
      const QChar letter = QChar::fromLatin1(static_cast<char>('A' + hashOf(cx, cy, t.seed) % 26));
      font.setPixelSize(static_cast<int>(cell * (0.45 + 0.25 * hash01(cx, cy, t.seed + 1))));
      font.setBold(hash01(cx, cy, t.seed + 2) < 0.5);
      painter.setFont(font);
      painter.setPen(QColor(mix(t.colours.dark, t.colours.mid, hash01(cx, cy, t.seed + 3) * 0.6)));
      painter.save();
      painter.translate(cx * cell + cell / 2.0, cy * cell + cell / 2.0);
      painter.rotate(-30 + 60 * hash01(cx, cy, t.seed + 4));
      painter.drawText(QRectF(-cell / 2.0, -cell / 2.0, cell, cell), Qt::AlignCenter, QString(letter));
      painter.restore();
    }
  return picture;
}

// Colours flowing into one another.
QImage plasma(const Texture& t) {
  return perPixel(t, [&](int px, int py, double u, double v) {
    const double n = fractalNoise(u, v, 4, 4, t.seed);
    const double s = std::sin(kTau * (t.scale * u + n)) + std::sin(kTau * (2 * v + 2 * n)) +
                     std::sin(kTau * (u + v + 3 * n));
    const double phase = fract(s / 6 + 0.5 + 0.5 * n);
    const double tri = phase < 0.5 ? phase * 2 : 2 - phase * 2;
    return ramp(t.colours, tri + 0.03 * grain(px, py, t.seed));
  });
}

// Ridged noise: branching, mountain-like lines (variant 1 folds it twice).
QImage fractal(const Texture& t) {
  return perPixel(t, [&](int px, int py, double u, double v) {
    double sum = 0;
    double weight = 0.5;
    for (int o = 0; o < 6; ++o) {
      sum += weight * (1 - std::abs(2 * valueNoise(u, v, t.scale << o, t.seed + o) - 1));
      weight *= 0.5;
    }
    double tone = std::pow(sum / 0.984, 3.0);
    if (t.variant == 1) tone = fract(tone * 3);
    return ramp(t.colours, tone + 0.02 * grain(px, py, t.seed));
  });
}

QImage brushedMetal(const Texture& t) {
  return perPixel(t, [&](int px, int py, double u, double v) {
    const double strokes = stretchedNoise(u, v, 8, 256, t.seed) * 0.6 + stretchedNoise(u, v, 16, 128, t.seed + 1) * 0.4;
    const double sheen = 0.5 + 0.5 * std::cos(kTau * t.scale * v + 0.8 * fractalNoise(u, v, 2, 2, t.seed));
    return ramp(t.colours, 0.2 + 0.5 * sheen + 0.3 * strokes + 0.05 * grain(px, py, t.seed));
  });
}

// Broad diagonal ribbons plaited over and under.
QImage ribbon(const Texture& t) {
  return perPixel(t, [&](int px, int py, double u, double v) {
    const double a = (u + v) * t.scale;
    const double b = (u - v) * t.scale;
    const int ia = static_cast<int>(std::floor(a));
    const int ib = static_cast<int>(std::floor(b));
    const bool aOver = ((ia + ib) % 2 + 2) % 2 == 0;
    const double f = aOver ? fract(a) : fract(b);
    const double across = 0.35 + 0.65 * std::sin(f * kTau / 2);
    const QRgb c = aOver ? ramp(t.colours, 0.3 + 0.6 * across) : mix(t.colours.dark, t.colours.mid, across);
    return shade(c, 1.0 + 0.06 * grain(px, py, t.seed));
  });
}

QImage starrySky(const Texture& t) {
  return perPixel(t, [&](int px, int py, double u, double v) {
    const double nebula = std::pow(fractalNoise(u, v, 4, 5, t.seed), 2.0);
    QRgb c = ramp(t.colours, nebula * 0.8);
    const double star = hash01(px, py, t.seed + 1);
    if (star > 0.996) c = mix(c, qRgb(255, 255, 240), 0.5 + 100 * (star - 0.996));
    const int cells = t.scale;
    const int cx = static_cast<int>(u * cells);
    const int cy = static_cast<int>(v * cells);
    const double sx = 0.2 + 0.6 * hash01(cx, cy, t.seed + 2);
    const double sy = 0.2 + 0.6 * hash01(cx, cy, t.seed + 3);
    const double d = std::hypot(u * cells - cx - sx, v * cells - cy - sy) * t.size / cells;
    const double glow = std::exp(-d * d / 3.0) + 0.3 * std::exp(-d / 4.0) * (hash01(cx, cy, t.seed + 4) < 0.3 ? 1 : 0);
    return mix(c, qRgb(255, 250, 230), glow);
  });
}

// Blades of grass with a flower here and there.
QImage meadow(const Texture& t) {
  return perPixel(t, [&](int px, int py, double u, double v) {
    const double blades = stretchedNoise(u + 0.01 * fractalNoise(u, v, 4, 2, t.seed + 6), v, 128, 4, t.seed);
    const double patches = fractalNoise(u, v, 4, 4, t.seed + 1);
    QRgb c = ramp(t.colours, 0.15 + 0.55 * blades + 0.35 * patches + 0.1 * grain(px, py, t.seed));
    const int cells = t.scale;
    const int cx = static_cast<int>(u * cells);
    const int cy = static_cast<int>(v * cells);
    if (hash01(cx, cy, t.seed + 2) < 0.18) {
      const double fx = 0.2 + 0.6 * hash01(cx, cy, t.seed + 4);
      const double fy = 0.2 + 0.6 * hash01(cx, cy, t.seed + 5);
      const double d = std::hypot(u * cells - cx - fx, v * cells - cy - fy) * t.size / cells;
      if (d < 2.6) c = hash01(cx, cy, t.seed + 3) < 0.5 ? qRgb(250, 240, 120) : qRgb(245, 245, 245);
    }
    return c;
  });
}

// Paper folded along several lines: each crease lit on one side.
QImage foldedPaper(const Texture& t) {
  static constexpr int kFolds[][2] = {{1, 1}, {2, -1}, {1, 3}, {3, 0}};
  return perPixel(t, [&](int px, int py, double u, double v) {
    double light = 0;
    for (const auto& fold : kFolds) {
      const double f = fract(fold[0] * u + fold[1] * v + hash01(fold[0], fold[1], t.seed));
      light += (f < 0.5 ? 1 : -1) * 0.12 * (1 - std::abs(f - 0.5));
    }
    return ramp(t.colours, 0.55 + light + 0.15 * fractalNoise(u, v, 8, 3, t.seed) + 0.04 * grain(px, py, t.seed));
  });
}

// A surface lit from the upper left: smooth and waxen (variant 0), hammered
// (1) or terraced (2).
QImage relief(const Texture& t) {
  const double step = 1.0 / t.size;
  const auto height = [&](double u, double v) {
    double h = fractalNoise(u, v, t.scale, 5, t.seed);
    if (t.variant == 1) h = cellNoise(u, v, t.scale * 2, t.seed).nearest * 0.6;
    if (t.variant == 2) h = std::floor(h * 8) / 8 + 0.02 * h;
    return h;
  };
  return perPixel(t, [&](int px, int py, double u, double v) {
    const double h = height(u, v);
    const double dx = (height(u + step, v) - h) * t.size / t.scale;
    const double dy = (height(u, v + step) - h) * t.size / t.scale;
    const double light = clamp01(0.6 - 1.2 * (dx + dy));
    return shade(ramp(t.colours, 0.3 + 0.5 * h), 0.6 + 0.7 * light + 0.03 * grain(px, py, t.seed));
  });
}

// Stripes with a small figure between them, as printed on wall-paper.
QImage wallpaper(const Texture& t) {
  return perPixel(t, [&](int px, int py, double u, double v) {
    const double stripe = fract(u * t.scale);
    const double fx = fract(u * t.scale + 0.5) - 0.5;
    const double fy = fract(v * t.scale) - 0.5;
    const double figure = std::cos(kTau * fx * 1.5) * std::cos(kTau * fy) * (1 - 2 * std::abs(fy));
    double tone = 0.62 + 0.08 * fractalNoise(u, v, 16, 2, t.seed);
    if (std::abs(stripe - 0.5) > 0.46) tone = 0.25;
    else if (std::abs(fx) < 0.3 && figure > 0.35) tone = 0.9;
    return ramp(t.colours, tone + 0.03 * grain(px, py, t.seed));
  });
}

}  // namespace kes::gen
