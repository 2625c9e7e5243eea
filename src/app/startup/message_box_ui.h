#pragma once

#include <QString>
#include <QWidget>

#include "app/startup/startup_ui.h"

namespace kes {

// Texts keep their lines apart with CR; a message box wants LF. Every box
// the program shows takes its text through here.
QString boxText(const QString& text);
QString boxText(const std::string& text);
inline QString boxText(const char* text) { return boxText(QString::fromUtf8(text)); }

// Start-up's and the data files' messages as modal message boxes over the
// given window (none while start-up runs).
class MessageBoxUi : public StartupUi {
 public:
  explicit MessageBoxUi(QWidget* parent = nullptr) : parent_(parent) {}
  void setParent(QWidget* parent) { parent_ = parent; }

  void information(const std::string& text) override;
  void error(const std::string& text) override;
  bool advice(const std::string& text, AdvicePicture picture) override;
  bool confirm(const std::string& question) override;

 private:
  QWidget* parent_;
};

}  // namespace kes
