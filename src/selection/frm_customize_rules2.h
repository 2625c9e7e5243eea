#pragma once

#include <QDialog>
#include <functional>

class QLineEdit;

namespace kes {

// The name of a new custom game, asked after the rules were chosen. OK
// closes only with a name the check accepts; otherwise its message is shown
// and the name field keeps the focus.
class TfrmCustomizeRules2 : public QDialog {
  Q_OBJECT

 public:
  // The problem with a name; empty when it can be used.
  using NameCheck = std::function<QString(const QString& name)>;
  using Message = std::function<void(const QString& text)>;

  TfrmCustomizeRules2(const QString& gameName, NameCheck check, Message message, QWidget* parent = nullptr);

  QLineEdit& nameField() { return *edtName_; }
  QString name() const;
  void onOk();

 private:
  NameCheck check_;
  Message message_;
  QLineEdit* edtName_ = nullptr;
};

}  // namespace kes
