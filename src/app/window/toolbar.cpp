#include "app/window/toolbar.h"

#include <QToolButton>
#include <array>

#include "app/window/glyph_source.h"

namespace kes {

namespace {

constexpr std::array kButtons{
    ToolbarButtonEntry{"tbNew", "New", "mnuNew", false, false},
    ToolbarButtonEntry{"tbOpen", "Open", "mnuOpen", true, false},
    ToolbarButtonEntry{"tbRestart", "Restart", "mnuRestartGame", false, false},
    ToolbarButtonEntry{"tbSave", "Save", "mnuSave", true, false},
    ToolbarButtonEntry{"tbUndo", "Undo", "mnuUndo", false, false},
    ToolbarButtonEntry{"tbRedo", "Redo", "mnuRedo", false, false},
    ToolbarButtonEntry{"tbAutoPlay", "Autoplay", "mnuAutoPlay", true, true},
    ToolbarButtonEntry{"tbStat", "Statistics", "mnuGameStatistics", false, false},
    ToolbarButtonEntry{"tbRules", "Rules", "mnuRules", true, false},
    ToolbarButtonEntry{"tbExit", "Exit", "mnuEsci", false, false},
};

constexpr int kSeparatorWidth = 8;

QString buttonName(const QString& baseName, ToolbarSize size) {
  return size == ToolbarSize::Small ? baseName + QStringLiteral("1") : baseName;
}

}  // namespace

std::span<const ToolbarButtonEntry> toolbarButtonTable() { return kButtons; }

ToolbarPanel::ToolbarPanel(ToolbarSize size, const GlyphSource& glyphs, QWidget* parent)
    : QFrame(parent), size_(size), glyphs_(glyphs) {
  setObjectName(size == ToolbarSize::Large ? QStringLiteral("pnlTB") : QStringLiteral("pnlTB1"));
  const bool large = size == ToolbarSize::Large;
  int separator = 1;
  for (const ToolbarButtonEntry& entry : kButtons) {
    const QString base = QString::fromLatin1(entry.name);
    auto* button = new QToolButton(this);
    button->setObjectName(buttonName(base, size));
    button->setToolTip(QString::fromLatin1(entry.hint));
    button->setText(QString::fromLatin1(entry.hint));
    button->setIcon(glyphs_.glyph(toolbarGlyphName(base, false)));
    button->setIconSize(large ? QSize(22, 22) : QSize(16, 16));
    button->setToolButtonStyle(large ? Qt::ToolButtonTextUnderIcon : Qt::ToolButtonIconOnly);
    button->setCheckable(entry.toggle);
    button->setFocusPolicy(Qt::NoFocus);
    if (large) {
      QFont font = button->font();
      font.setPixelSize(9);
      button->setFont(font);
    }
    connect(button, &QToolButton::clicked, this, [this, base] { emit buttonClicked(base); });
    buttons_.push_back(button);
    if (entry.separatorAfter) {
      auto* line = new QFrame(this);
      line->setObjectName(QStringLiteral("sep_tb_%1_%2").arg(large ? "large" : "small").arg(separator++));
      line->setFrameShape(QFrame::VLine);
      line->setFrameShadow(QFrame::Sunken);
      separators_.push_back(line);
    } else {
      separators_.push_back(nullptr);
    }
  }
  setFlat(true);
}

QToolButton* ToolbarPanel::button(const QString& baseName) const {
  return findChild<QToolButton*>(buttonName(baseName, size_), Qt::FindDirectChildrenOnly);
}

QSize ToolbarPanel::buttonSize() const {
  if (size_ == ToolbarSize::Large) return {44, 42};
  return {23, flat_ ? 22 : 23};
}

void ToolbarPanel::setFlat(bool flat) {
  flat_ = flat;
  for (QToolButton* button : buttons_) button->setAutoRaise(flat);
  if (size_ == ToolbarSize::Large)
    setFixedHeight(flat ? 46 : 45);
  else
    setFixedHeight(flat ? 24 : 25);
  placeButtons();
}

void ToolbarPanel::setButtonTop(int top) {
  buttonTop_ = top;
  placeButtons();
}

void ToolbarPanel::setShowToolTips(bool show) {
  int index = 0;
  for (QToolButton* button : buttons_) button->setToolTip(show ? QString::fromLatin1(kButtons[index++].hint) : QString());
}

void ToolbarPanel::setButtonEnabled(const QString& baseName, bool enabled) {
  QToolButton* target = button(baseName);
  if (!target) return;
  target->setEnabled(enabled);
  target->setIcon(glyphs_.glyph(toolbarGlyphName(baseName, !enabled)));
}

int ToolbarPanel::lastButtonRight() const { return buttons_.back()->geometry().right() + 1; }

// Buttons run left to right from a small margin; a separator takes a narrow
// gap and is shown only with flat buttons, where the gap otherwise closes.
void ToolbarPanel::placeButtons() {
  const QSize size = buttonSize();
  int x = 4;
  for (qsizetype i = 0; i < buttons_.size(); ++i) {
    buttons_[i]->setGeometry(QRect(QPoint(x, buttonTop_), size));
    x += size.width();
    if (QFrame* separator = separators_[i]) {
      separator->setVisible(flat_);
      if (flat_) {
        separator->setGeometry(x + 1, buttonTop_ + 2, kSeparatorWidth - 2, size.height() - 4);
        x += kSeparatorWidth;
      }
    }
  }
}

}  // namespace kes
