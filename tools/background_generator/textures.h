#pragma once

#include <QImage>
#include <QRgb>

namespace kes::gen {

// Three colours a texture is toned in, from its darkest to its lightest.
struct Palette {
  QRgb dark;
  QRgb mid;
  QRgb light;
};

// One tiled background picture: what draws it and with what.
struct Texture {
  int number;                       // the picture is "B" + number + ".bmp"
  QImage (*draw)(const struct Texture&);
  Palette colours;
  int scale;    // how many cells, threads, rows ... across one tile
  int variant;  // a texture's second form, 0 for its first
  int seed;
  int size = 256;  // tiles are square
};

// The drawing functions; each returns a picture that tiles without seams.
QImage felt(const Texture& t);
QImage weave(const Texture& t);
QImage marble(const Texture& t);
QImage granite(const Texture& t);
QImage wood(const Texture& t);
QImage cork(const Texture& t);
QImage bricks(const Texture& t);
QImage stones(const Texture& t);
QImage parquet(const Texture& t);
QImage floorTiles(const Texture& t);
QImage spheres(const Texture& t);
QImage bubbles(const Texture& t);
QImage scales(const Texture& t);
QImage waves(const Texture& t);
QImage labyrinth(const Texture& t);
QImage ceramics(const Texture& t);
QImage geometric(const Texture& t);
QImage letters(const Texture& t);
QImage plasma(const Texture& t);
QImage fractal(const Texture& t);
QImage brushedMetal(const Texture& t);
QImage ribbon(const Texture& t);
QImage starrySky(const Texture& t);
QImage meadow(const Texture& t);
QImage foldedPaper(const Texture& t);
QImage relief(const Texture& t);
QImage wallpaper(const Texture& t);

}  // namespace kes::gen
