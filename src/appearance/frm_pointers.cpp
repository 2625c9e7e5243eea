#include "appearance/frm_pointers.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>

#include "appearance/help_button.h"
#include "display/resources/resource_library.h"

namespace kes {

namespace {

struct CursorItem {
  const char* text;
  int value;
  const char* normal;
  const char* holding;
};

constexpr std::array kCursorItems{
    CursorItem{"Arrow small", 10, "CUR_ARROW1A", "CUR_ARROW1B"},
    CursorItem{"Arrow large", 11, "CUR_ARROW2A", "CUR_ARROW2B"},
    CursorItem{"Right hand 1", 12, "CUR_RIGHT_HAND1A", "CUR_RIGHT_HAND1B"},
    CursorItem{"Right hand 2", 13, "CUR_RIGHT_HAND2A", "CUR_RIGHT_HAND2B"},
    CursorItem{"Left hand 1", 14, "CUR_LEFT_HAND1A", "CUR_LEFT_HAND1B"},
    CursorItem{"Left hand 2", 15, "CUR_LEFT_HAND2A", "CUR_LEFT_HAND2B"},
};

constexpr int kHelpTopic = 1006;
constexpr int kIconSide = 32;

// The two pointers of a set side by side on a light ground.
QIcon previewOf(const ResourceLibrary& library, const CursorItem& item) {
  QPixmap picture(kIconSide * 2 + 4, kIconSide);
  picture.fill(QColor(250, 250, 250));
  QPainter painter(&picture);
  const QPixmap normal = library.cursor(item.normal).pixmap();
  const QPixmap holding = library.cursor(item.holding).pixmap();
  painter.drawPixmap(QRect(0, 0, kIconSide, kIconSide), normal);
  painter.drawPixmap(QRect(kIconSide + 4, 0, kIconSide, kIconSide), holding);
  painter.end();
  return QIcon(picture);
}

// The item a set opens with: 0 and unknown sets show "Arrow large".
int rowFor(int cursorChoice) {
  for (std::size_t i = 0; i < kCursorItems.size(); ++i)
    if (kCursorItems[i].value == cursorChoice) return static_cast<int>(i);
  return 1;
}

}  // namespace

TfrmPointers::TfrmPointers(const ResourceLibrary& library, int cursorChoice, QWidget* parent) : QDialog(parent) {
  setObjectName("frmPointers");
  setWindowTitle(tr("Pointers"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(tr("Select the mouse pointer you prefer:"), this));
  lvCursors_ = new QListWidget(this);
  lvCursors_->setObjectName("lvCursors");
  lvCursors_->setIconSize(QSize(kIconSide * 2 + 4, kIconSide));
  for (const CursorItem& item : kCursorItems) {
    auto* row = new QListWidgetItem(previewOf(library, item), tr(item.text), lvCursors_);
    row->setData(Qt::UserRole, item.value);
  }
  lvCursors_->setCurrentRow(rowFor(cursorChoice));
  layout->addWidget(lvCursors_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  addHelpButton(*buttons, kHelpTopic);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(lvCursors_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
  layout->addWidget(buttons);
}

int TfrmPointers::cursorChoice() const {
  const QList<QListWidgetItem*> selected = lvCursors_->selectedItems();
  return selected.isEmpty() ? 0 : selected.first()->data(Qt::UserRole).toInt();
}

}  // namespace kes
