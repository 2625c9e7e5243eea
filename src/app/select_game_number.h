#pragma once

#include <QDialog>
#include <optional>

class QComboBox;

namespace kes {

// What the typed game number is: a 13-digit deal number, a message for the
// player, or nothing to do (empty, or 0).
struct GameNumberCheck {
  std::optional<std::string> dealNumber;
  QString message;
};
GameNumberCheck checkGameNumber(const QString& typed);

// "Select a game number": the player types the number of a deal to play.
class TfrmSelectGameNumber : public QDialog {
  Q_OBJECT

 public:
  TfrmSelectGameNumber(const QStringList& recent, const QString& current, QWidget* parent = nullptr);
  // The padded number once OK was accepted.
  const std::string& dealNumber() const { return dealNumber_; }
  QComboBox* numberBox() const { return cboNumber_; }

  // Where the dialog's messages go; an information box unless replaced.
  std::function<void(const QString&)> showMessage;

 private:
  void btnOkClick();

  QComboBox* cboNumber_;
  std::string dealNumber_;
};

}  // namespace kes
