#include "full_pictures.h"

#include <algorithm>
#include <cmath>

#include "noise.h"

namespace kes::gen {

namespace {

constexpr FullPicture kPictures[] = {
    {500, 1920, 1080, qRgb(24, 128, 52), qRgb(6, 52, 22)},
    {501, 1920, 1080, qRgb(40, 76, 150), qRgb(8, 16, 48)},
    {502, 1280, 1024, qRgb(150, 34, 46), qRgb(44, 8, 14)},
    {503, 1600, 900, qRgb(30, 130, 130), qRgb(16, 28, 60)},
};

double smoothStep(double from, double to, double x) {
  const double t = std::clamp((x - from) / (to - from), 0.0, 1.0);
  return t * t * (3 - 2 * t);
}

}  // namespace

std::span<const FullPicture> fullPictures() { return kPictures; }

QImage drawFullPicture(const FullPicture& p) {
  QImage image(p.width, p.height, QImage::Format_RGB32);
  // The light sits left of the middle and high, so that a window smaller
  // than the screen, which shows the picture's top-left part, still has it.
  const double cx = 0.4 * p.width;
  const double cy = 0.35 * p.height;
  for (int y = 0; y < p.height; ++y) {
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < p.width; ++x) {
      const double d = std::hypot((x - cx) / p.width, (y - cy) / p.height) * 1.5;
      const double t = smoothStep(0.05, 1.1, d);
      const double vignette = 1 - 0.35 * std::pow(std::min(d, 1.4), 2.4);
      const double dither = hash01(x, y, p.number) * 2 - 1;
      const auto channel = [&](int centre, int edge) {
        const double value = (centre + (edge - centre) * t) * vignette + dither * 1.5;
        return std::clamp(static_cast<int>(std::lround(value)), 0, 255);
      };
      row[x] = qRgb(channel(qRed(p.centre), qRed(p.edge)), channel(qGreen(p.centre), qGreen(p.edge)),
                    channel(qBlue(p.centre), qBlue(p.edge)));
    }
  }
  return image;
}

}  // namespace kes::gen
