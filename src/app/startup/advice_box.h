#pragma once

#include <QMessageBox>
#include <QPixmap>
#include <memory>

#include "app/startup/startup_ui.h"

namespace kes {

inline constexpr const char* kDontShowAgainCaption = "&Don't show this message box again";

// The information box of an advice: caption "Information", the picture
// beside the text, an OK button and the "don't show again" check box.
std::unique_ptr<QMessageBox> makeAdviceBox(const QString& text, AdvicePicture picture, QWidget* parent);

// A palette of colours, or a small screen marked 640x480.
QPixmap advicePixmap(AdvicePicture picture);

}  // namespace kes
