#include "background_list.h"

namespace kes::gen {

namespace {

constexpr Palette tones(QRgb dark, QRgb mid, QRgb light) { return Palette{dark, mid, light}; }

constexpr QRgb rgb(int r, int g, int b) { return 0xFF000000u | (static_cast<QRgb>(r) << 16) | (static_cast<QRgb>(g) << 8) | static_cast<QRgb>(b); }

// Wood tones from dark to light.
constexpr Palette kOak = tones(rgb(92, 56, 26), rgb(150, 98, 50), rgb(196, 146, 88));
constexpr Palette kLightWood = tones(rgb(160, 116, 66), rgb(206, 166, 110), rgb(236, 206, 156));
constexpr Palette kWalnut = tones(rgb(44, 24, 12), rgb(86, 50, 26), rgb(128, 82, 46));

const Texture kTextures[] = {
    // Few-colour displays.
    {101, parquet, kOak, 4, 0, 11},
    {102, felt, tones(rgb(20, 60, 30), rgb(34, 96, 48), rgb(60, 130, 70)), 32, 0, 12},
    {103, weave, tones(rgb(30, 50, 110), rgb(60, 90, 160), rgb(110, 140, 200)), 32, 0, 13},
    {104, weave, tones(rgb(120, 96, 40), rgb(190, 160, 80), rgb(236, 214, 140)), 16, 2, 14},
    {105, waves, tones(rgb(20, 70, 40), rgb(40, 110, 60), rgb(90, 160, 100)), 64, 1, 15},
    // Wall-paper, tissue, marbles.
    {257, wallpaper, tones(rgb(90, 40, 40), rgb(180, 150, 120), rgb(236, 220, 190)), 8, 0, 21},
    {258, weave, tones(rgb(110, 84, 46), rgb(168, 136, 86), rgb(210, 184, 130)), 16, 0, 22},
    {259, wallpaper, tones(rgb(30, 60, 70), rgb(110, 150, 150), rgb(200, 225, 215)), 4, 0, 23},
    {260, marble, tones(rgb(40, 40, 46), rgb(200, 200, 204), rgb(244, 244, 246)), 6, 0, 24},
    {261, marble, tones(rgb(30, 70, 50), rgb(90, 150, 110), rgb(170, 210, 180)), 5, 0, 25},
    {262, granite, tones(rgb(40, 38, 38), rgb(120, 112, 108), rgb(200, 190, 186)), 16, 0, 26},
    {263, marble, tones(rgb(110, 60, 50), rgb(214, 180, 160), rgb(244, 226, 214)), 7, 0, 27},
    {264, relief, tones(rgb(60, 70, 90), rgb(110, 124, 150), rgb(170, 184, 206)), 8, 0, 28},
    {265, bubbles, tones(rgb(10, 40, 80), rgb(30, 90, 150), rgb(200, 230, 255)), 4, 0, 29},
    {266, felt, tones(rgb(80, 14, 20), rgb(130, 28, 36), rgb(170, 56, 60)), 64, 0, 30},
    {267, geometric, tones(rgb(90, 20, 24), rgb(170, 90, 40), rgb(220, 180, 110)), 8, 3, 31},
    {268, weave, tones(rgb(170, 160, 140), rgb(214, 206, 188), rgb(244, 240, 228)), 64, 0, 32},
    // Wood.
    {269, wood, kLightWood, 6, 0, 33},
    {270, wood, kOak, 5, 2, 34},
    // Colours fantasy, metal, geometricals.
    {271, plasma, tones(rgb(40, 20, 90), rgb(200, 60, 120), rgb(250, 200, 80)), 2, 0, 35},
    {272, brushedMetal, tones(rgb(40, 60, 100), rgb(100, 130, 180), rgb(190, 210, 240)), 2, 0, 36},
    {273, geometric, tones(rgb(20, 40, 90), rgb(60, 120, 170), rgb(220, 200, 90)), 4, 1, 37},
    {274, spheres, tones(rgb(20, 30, 60), rgb(60, 100, 190), rgb(160, 200, 255)), 8, 0, 38},
    {275, ceramics, tones(rgb(20, 50, 110), rgb(236, 232, 220), rgb(40, 110, 190)), 4, 0, 39},
    {276, waves, tones(rgb(10, 40, 80), rgb(30, 100, 150), rgb(130, 200, 220)), 6, 0, 40},
    {277, ceramics, tones(rgb(110, 40, 20), rgb(230, 200, 150), rgb(190, 90, 40)), 4, 1, 41},
    {278, labyrinth, tones(rgb(30, 26, 20), rgb(120, 100, 70), rgb(210, 190, 150)), 8, 0, 42},
    {279, plasma, tones(rgb(10, 60, 80), rgb(40, 170, 140), rgb(240, 240, 150)), 1, 0, 43},
    {280, scales, tones(rgb(16, 40, 30), rgb(50, 130, 100), rgb(150, 220, 180)), 8, 0, 44},
    // Nature, others, fractals.
    {281, stones, tones(rgb(60, 54, 46), rgb(140, 128, 112), rgb(210, 200, 186)), 6, 1, 45},
    {282, starrySky, tones(rgb(4, 6, 24), rgb(20, 26, 70), rgb(70, 60, 130)), 4, 0, 46},
    {283, plasma, tones(rgb(60, 10, 20), rgb(220, 90, 30), rgb(250, 220, 120)), 3, 0, 47},
    {284, letters, tones(rgb(40, 30, 20), rgb(200, 186, 160), rgb(240, 232, 214)), 6, 0, 48},
    {285, floorTiles, tones(rgb(40, 36, 34), rgb(150, 140, 128), rgb(230, 224, 214)), 4, 0, 49},
    {286, fractal, tones(rgb(10, 20, 50), rgb(60, 120, 160), rgb(240, 250, 255)), 2, 1, 50},
    {287, brushedMetal, tones(rgb(110, 80, 20), rgb(200, 160, 60), rgb(250, 230, 150)), 2, 0, 51},
    // Surfaces, wood, tissue.
    {288, relief, tones(rgb(70, 50, 30), rgb(150, 120, 80), rgb(220, 200, 160)), 4, 2, 52},
    {289, wood, tones(rgb(176, 140, 90), rgb(214, 184, 136), rgb(236, 214, 174)), 2, 1, 53},
    {290, relief, tones(rgb(30, 60, 40), rgb(80, 130, 90), rgb(160, 200, 150)), 6, 1, 54},
    {291, relief, tones(rgb(80, 30, 30), rgb(150, 70, 60), rgb(220, 150, 130)), 4, 0, 55},
    {292, relief, tones(rgb(50, 50, 56), rgb(120, 120, 130), rgb(200, 200, 210)), 8, 2, 56},
    {293, relief, tones(rgb(30, 40, 80), rgb(70, 90, 150), rgb(150, 170, 220)), 6, 1, 57},
    {295, granite, tones(rgb(60, 30, 60), rgb(140, 90, 130), rgb(220, 180, 210)), 32, 0, 58},
    {296, felt, tones(rgb(20, 30, 70), rgb(36, 54, 110), rgb(70, 90, 150)), 64, 0, 59},
    {297, stones, tones(rgb(40, 90, 110), rgb(110, 170, 190), rgb(220, 240, 245)), 5, 2, 60},
    {299, relief, tones(rgb(170, 120, 40), rgb(226, 190, 110), rgb(250, 236, 190)), 3, 0, 61},
    // Metal, patterns, walls.
    {301, ribbon, tones(rgb(60, 20, 20), rgb(170, 50, 50), rgb(240, 170, 150)), 4, 0, 62},
    {302, geometric, tones(rgb(30, 60, 40), rgb(90, 140, 90), rgb(220, 230, 190)), 8, 0, 63},
    {303, foldedPaper, tones(rgb(150, 146, 136), rgb(216, 212, 200), rgb(250, 248, 240)), 1, 0, 64},
    {304, bricks, tones(rgb(110, 40, 26), rgb(160, 70, 46), rgb(200, 110, 80)), 8, 0, 65},
    {305, bricks, tones(rgb(80, 50, 40), rgb(140, 100, 76), rgb(190, 150, 120)), 16, 1, 66},
    {306, bricks, tones(rgb(120, 90, 60), rgb(180, 150, 110), rgb(220, 200, 160)), 8, 2, 67},
    {307, spheres, tones(rgb(90, 20, 20), rgb(220, 80, 50), rgb(255, 210, 150)), 4, 1, 68},
    {308, stones, tones(rgb(50, 50, 50), rgb(120, 118, 112), rgb(190, 186, 178)), 5, 0, 69},
    // Wood, cork.
    {309, cork, tones(rgb(110, 70, 36), rgb(170, 120, 70), rgb(214, 170, 116)), 32, 0, 70},
    {310, cork, tones(rgb(130, 90, 50), rgb(190, 146, 96), rgb(230, 196, 150)), 16, 0, 71},
    {311, parquet, kOak, 4, 0, 72},
    {312, wood, tones(rgb(110, 70, 36), rgb(160, 110, 64), rgb(200, 150, 100)), 4, 1, 73},
    {313, wood, kLightWood, 3, 1, 74},
    {314, wood, kWalnut, 5, 1, 75},
    {315, wood, kWalnut, 7, 0, 76},
    // The rest of the fantasies, patterns and tissue.
    {316, plasma, tones(rgb(20, 60, 20), rgb(120, 180, 40), rgb(240, 250, 200)), 2, 0, 77},
    {317, weave, tones(rgb(40, 50, 40), rgb(90, 110, 80), rgb(150, 170, 130)), 32, 1, 78},
    {318, geometric, tones(rgb(20, 20, 60), rgb(100, 60, 140), rgb(240, 200, 240)), 4, 2, 79},
    {319, geometric, tones(rgb(10, 40, 60), rgb(50, 130, 140), rgb(200, 230, 210)), 8, 4, 80},
    {320, geometric, tones(rgb(40, 20, 10), rgb(170, 110, 50), rgb(240, 210, 150)), 4, 0, 81},
    {321, felt, tones(rgb(60, 40, 20), rgb(110, 80, 46), rgb(160, 126, 80)), 64, 0, 82},
    {322, fractal, tones(rgb(30, 0, 40), rgb(180, 40, 90), rgb(255, 220, 120)), 2, 0, 83},
    {324, meadow, tones(rgb(20, 60, 10), rgb(60, 130, 30), rgb(140, 200, 70)), 16, 0, 84},
};

}  // namespace

std::span<const Texture> tiledBackgrounds() { return kTextures; }

}  // namespace kes::gen
