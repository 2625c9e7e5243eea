#pragma once

#include <QDialog>

#include "app/help/custom_rules_comparison.h"

namespace kes {

// The rules of a custom game: its three rules beside those of the game it
// comes from, and a button to the base game's own rules.
class TfrmCustomHelp : public QDialog {
  Q_OBJECT

 public:
  TfrmCustomHelp(const QString& name, const QString& baseName, const RuleComparison& rules, QWidget* parent = nullptr);

 signals:
  // "&Rules": the base game's rules topic is wanted.
  void baseRulesRequested();
};

}  // namespace kes
