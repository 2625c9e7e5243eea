#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QSize>

#include "display/geometry/background_choice.h"

namespace kes {

// The colour a settings colour shows; system colours come from the
// application's palette.
QColor qColourOf(const TableColour& colour);
inline QColor qColourOf(Rgb rgb) { return QColor(rgb.red, rgb.green, rgb.blue); }

// The colour fading to black downward over a surface of this size, in the
// 256 bands of the fade.
void paintFade(QPainter& painter, const QSize& surface, QColor colour, bool scrollBarShown);

// The picture repeated to the right until the width is covered, then that
// strip copied downward until the height is covered. A null picture draws
// nothing.
void paintTiled(QPainter& painter, const QSize& surface, const QImage& picture);

// Paints the chosen background over a surface of this size. Picture files
// are read from the choice's file; one that cannot be read draws nothing,
// so the surface keeps what it showed. demoTile is the library's "Y001".
void paintBackground(QPainter& painter, const QSize& surface, const BackgroundChoice& choice, const QImage& demoTile,
                     bool scrollBarShown);

}  // namespace kes
