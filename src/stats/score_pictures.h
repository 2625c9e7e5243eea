#pragma once

#include <QPixmap>

namespace kes {

// The hi-score dialog's pictures, drawn when the dialog opens: a cup beside
// the table, and a star burst after a new entry.
QPixmap scoreTablePicture(int side);
QPixmap newScorePicture(int side);

}  // namespace kes
