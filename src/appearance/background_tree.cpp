#include "appearance/background_tree.h"

#include <array>

namespace kes {

namespace {

constexpr long long kBlue = 16711680;
constexpr long long kGreen = 32768;
constexpr long long kNavy = 8388608;
constexpr long long kOlive = 32896;
constexpr long long kTeal = 8421376;
constexpr long long kWhite = 16777215;

constexpr std::array kFixedColours{kBlue, kGreen, kNavy, kOlive, kTeal, kWhite};

constexpr std::array kBackgroundRows{
    TreeRow{0, "Colors", 0},
    TreeRow{1, kCustomColourText, BackgroundCode::kCustomColour},
    TreeRow{1, "Blue", kBlue},
    TreeRow{1, "Green", kGreen},
    TreeRow{1, "Navy", kNavy},
    TreeRow{1, "Olive", kOlive},
    TreeRow{1, "Teal", kTeal},
    TreeRow{1, "White", kWhite},
    TreeRow{0, "Over 256 colors", 0},
    TreeRow{1, "Colors fantasy", 0},
    TreeRow{2, "Fantasy 1", 279},
    TreeRow{2, "Fantasy 2", 271},
    TreeRow{2, "Fantasy 3", 316},
    TreeRow{2, "Fantasy 4", 283},
    TreeRow{1, "Fractal", 0},
    TreeRow{2, "Fractal 1", 322},
    TreeRow{2, "Fractal 2", 286},
    TreeRow{1, "Geometricals", 0},
    TreeRow{2, "Ceramics 1", 275},
    TreeRow{2, "Ceramics 2", 277},
    TreeRow{2, "Fantasy 1", 273},
    TreeRow{2, "Labyrinth", 278},
    TreeRow{2, "Scaly", 280},
    TreeRow{2, "Spheres", 274},
    TreeRow{2, "Waves", 276},
    TreeRow{1, "Marbles", 0},
    TreeRow{2, "Granite", 262},
    TreeRow{2, "Marble 1", 263},
    TreeRow{2, "Marble 2", 261},
    TreeRow{2, "Marble 3", 260},
    TreeRow{1, "Metal", 0},
    TreeRow{2, "Metal blue", 272},
    TreeRow{2, "Metal gold", 287},
    TreeRow{2, "Ribbon", 301},
    TreeRow{1, "Nature", 0},
    TreeRow{2, "Meadow", 324},
    TreeRow{2, "River's stones", 281},
    TreeRow{2, "Starry sky", 282},
    TreeRow{1, "Others", 0},
    TreeRow{2, "Bubbles", 265},
    TreeRow{2, "Floor", 285},
    TreeRow{2, "Letters", 284},
    TreeRow{2, "Spheres in the sky", 307},
    TreeRow{2, "Wax", 299},
    TreeRow{1, "Patterns", 0},
    TreeRow{2, "Pattern 1", 302},
    TreeRow{2, "Pattern 2", 318},
    TreeRow{2, "Pattern 3", 319},
    TreeRow{2, "Pattern 4", 320},
    TreeRow{1, "Surfaces", 0},
    TreeRow{2, "Glass", 297},
    TreeRow{2, "Surface 1", 264},
    TreeRow{2, "Surface 2", 293},
    TreeRow{2, "Surface 3", 291},
    TreeRow{2, "Surface 4", 290},
    TreeRow{2, "Surface 5", 292},
    TreeRow{2, "Surface 6", 288},
    TreeRow{2, "Surface 7", 295},
    TreeRow{1, "Tissue", 0},
    TreeRow{2, "Carpet", 267},
    TreeRow{2, "Cloth", 317},
    TreeRow{2, "Jute", 258},
    TreeRow{2, "Linen", 268},
    TreeRow{2, "Moquette 1", 296},
    TreeRow{2, "Moquette 2", 321},
    TreeRow{2, "Moquette 3", 266},
    TreeRow{1, "Wall-paper", 0},
    TreeRow{2, "Fold paper", 303},
    TreeRow{2, "Wall-paper 1", 257},
    TreeRow{2, "Wall-paper 2", 259},
    TreeRow{1, "Walls", 0},
    TreeRow{2, "Brick wall 1", 304},
    TreeRow{2, "Brick wall 2", 305},
    TreeRow{2, "Brick wall 3", 306},
    TreeRow{2, "Stone wall", 308},
    TreeRow{1, "Wood", 0},
    TreeRow{2, "Carved wood", 270},
    TreeRow{2, "Cork 1", 310},
    TreeRow{2, "Cork 2", 309},
    TreeRow{2, "Dark brown 1", 315},
    TreeRow{2, "Dark brown 2", 314},
    TreeRow{2, "Light 1", 269},
    TreeRow{2, "Light 2", 313},
    TreeRow{2, "Light brown", 312},
    TreeRow{2, "Parquet", 311},
    TreeRow{2, "Ply-wood", 289},
    TreeRow{0, "Under 256 colors", 0},
    TreeRow{1, "Geometricals", 0},
    TreeRow{2, "Cane-brake", 104},
    TreeRow{2, "Cloth", 103},
    TreeRow{2, "Moquette", 102},
    TreeRow{2, "Parquet", 101},
    TreeRow{2, "Thousand rows", 105},
};

// Sorted by text, as the tree shows them.
constexpr std::array kBackRows{
    TreeRow{0, "Animals", 0},       TreeRow{1, "Eagle", 18},          TreeRow{1, "Horse", 27},
    TreeRow{1, "Penguin", 24},      TreeRow{1, "Tropical fish", 19},  TreeRow{0, "Children", 0},
    TreeRow{1, "Dragon", 4},        TreeRow{1, "Flowers", 5},         TreeRow{1, "Snowman", 3},
    TreeRow{1, "Teddy bear", 13},   TreeRow{0, "Flowers", 0},         TreeRow{1, "Flower", 15},
    TreeRow{1, "Roses", 14},        TreeRow{0, "Geometric", 0},       TreeRow{1, "Plaiting 1", 11},
    TreeRow{1, "Plaiting 2", 6},    TreeRow{1, "Stars", 17},          TreeRow{0, "Medieval", 0},
    TreeRow{1, "Flower", 7},        TreeRow{1, "Rose-window", 8},     TreeRow{1, "Sun", 10},
    TreeRow{1, "Sun and Moon", 9},  TreeRow{0, "Nature", 0},          TreeRow{1, "Clouds", 21},
    TreeRow{1, "Hills", 26},        TreeRow{1, "Lake", 20},           TreeRow{1, "Mountains 1", 23},
    TreeRow{1, "Mountains 2", 25},  TreeRow{1, "Sea", 22},            TreeRow{0, "Paintings", 0},
    TreeRow{1, "Africa", 12},       TreeRow{1, "Boat", 1},            TreeRow{1, "Japanese woman", 16},
    TreeRow{1, "Magi", 2},
};

}  // namespace

std::span<const TreeRow> backgroundTreeRows() { return kBackgroundRows; }
std::span<const TreeRow> backDesignTreeRows() { return kBackRows; }
std::span<const long long> fixedBackgroundColours() { return kFixedColours; }

}  // namespace kes
