#pragma once

#include <QFrame>
#include <QString>
#include <QVector>
#include <span>

class QToolButton;

namespace kes {

class GlyphSource;

// One toolbar button: its base name (the small twin adds "1"), its hint,
// the menu item it stands for, and whether a separator follows it.
struct ToolbarButtonEntry {
  const char* name;
  const char* hint;
  const char* menuTwin;
  bool separatorAfter;
  bool toggle;
};

std::span<const ToolbarButtonEntry> toolbarButtonTable();

enum class ToolbarSize { Large, Small };

// A row of toolbar buttons, large (glyph above caption) or small.
class ToolbarPanel : public QFrame {
  Q_OBJECT

 public:
  ToolbarPanel(ToolbarSize size, const GlyphSource& glyphs, QWidget* parent);

  ToolbarSize size() const { return size_; }
  // The button of a base name ("tbUndo"), whichever size this is.
  QToolButton* button(const QString& baseName) const;
  // Flat buttons, the panel's height and the separators follow flat.
  void setFlat(bool flat);
  bool isFlatStyle() const { return flat_; }
  void setButtonTop(int top);
  void setShowToolTips(bool show);
  // Enables a button; the glyph switches to its disabled image.
  void setButtonEnabled(const QString& baseName, bool enabled);
  // The right edge of the last button, for placing the panels beside it.
  int lastButtonRight() const;

 signals:
  void buttonClicked(const QString& baseName);

 private:
  void placeButtons();
  QSize buttonSize() const;

  ToolbarSize size_;
  const GlyphSource& glyphs_;
  bool flat_ = true;
  int buttonTop_ = 2;
  QVector<QToolButton*> buttons_;
  QVector<QFrame*> separators_;
};

}  // namespace kes
