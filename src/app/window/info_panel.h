#pragma once

#include <QFrame>

class QLabel;

namespace kes {

// A panel floating on the toolbar with a bold title and a value:
// "Time:" with the playing time, "Score:" with the score.
class InfoPanel : public QFrame {
  Q_OBJECT

 public:
  InfoPanel(const QString& name, const QString& title, const QString& titleLabelName, const QString& valueLabelName,
            QWidget* parent);

  void setValue(const QString& value);
  QString value() const;
  // Panel height and the labels' top: 24 and 4 beside the large toolbar,
  // 20 and 3 beside the small one.
  void setMetrics(int height, int labelTop);

 private:
  QLabel* title_;
  QLabel* value_;
};

}  // namespace kes
