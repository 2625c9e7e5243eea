#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QSlider>
#include <QStackedWidget>
#include <QTabWidget>

#include "appearance/frm_customize.h"
#include "display/resources/resource_library.h"
#include "display/table/bitmap_animated.h"

namespace kes {

namespace {

// The preview of each effect: the picture for the box checked, then unchecked.
struct EffectPreview {
  const char* control;
  const char* checked;
  const char* unchecked;
};
constexpr EffectPreview kEffects[] = {
    {"chkShadowed", "CARD_WITH_SHADOW", "CARD_WITHOUT_SHADOW"},
    {"chkIrregularPiles", "CARD_IRR_PILES_YES", "CARD_IRR_PILES_NO"},
};

constexpr int kAnimatedYesFrames = 12;
constexpr int kAnimatedYesInterval = 100;
constexpr int kAnimatedNoFrames = 2;
constexpr int kAnimatedNoInterval = 500;

// A box reports when the focus enters it, as a click does.
class FocusWatcher : public QObject {
 public:
  FocusWatcher(QObject* parent, std::function<void()> entered) : QObject(parent), entered_(std::move(entered)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::FocusIn) entered_();
    return QObject::eventFilter(watched, event);
  }

 private:
  std::function<void()> entered_;
};

TBitmapAnimated* animation(QWidget* parent, const ResourceLibrary& library, const char* name, int frames,
                           int interval) {
  auto* strip = new TBitmapAnimated(parent);
  strip->setBitMap(library.picture(QString::fromLatin1(name)));
  strip->setFrameCount(frames);
  strip->setInterval(interval);
  return strip;
}

}  // namespace

void TfrmCustomize::buildAnimationsTab() {
  auto* page = new QWidget(tabs_);
  page->setObjectName("tbsAnimations");
  auto* grid = new QGridLayout(page);
  grid->addWidget(new QLabel(tr("Cards speed "), page), 0, 0, 1, 3);
  grid->addWidget(new QLabel(tr("Slow"), page), 1, 0);
  trbSpeed_ = new QSlider(Qt::Horizontal, page);
  trbSpeed_->setObjectName("trbSpeed");
  trbSpeed_->setRange(1, 5);
  trbSpeed_->setPageStep(1);
  trbSpeed_->setTickPosition(QSlider::TicksBelow);
  trbSpeed_->setValue(choices_.sliderPosition);
  grid->addWidget(trbSpeed_, 1, 1);
  grid->addWidget(new QLabel(tr("Fast"), page), 1, 2);
  const char* boxes[] = {"chkAutomaticFaceUp", "chkRedealAnimation", "chkDealAnimation",
                         "chkShadowed",        "chkIrregularPiles",  "chkAnimated"};
  int row = 2;
  for (const char* control : boxes) grid->addWidget(addBox(page, control), row++, 0, 1, 3);

  effectPreview_ = new QStackedWidget(page);
  effectPreview_->setObjectName("nbkEffects");
  effectPreview_->setFixedSize(180, 180);
  for (const EffectPreview& effect : kEffects)
    for (const char* name : {effect.checked, effect.unchecked}) {
      auto* picture = new QLabel(effectPreview_);
      picture->setObjectName(QString::fromLatin1(name));
      picture->setAlignment(Qt::AlignCenter);
      effectPictures_[name] = picture;
      effectPreview_->addWidget(picture);
    }
  animatedYes_ = animation(effectPreview_, host_.library(), "Animated_Yes", kAnimatedYesFrames, kAnimatedYesInterval);
  animatedNo_ = animation(effectPreview_, host_.library(), "Animated_No", kAnimatedNoFrames, kAnimatedNoInterval);
  effectPreview_->addWidget(animatedYes_);
  effectPreview_->addWidget(animatedNo_);
  grid->addWidget(effectPreview_, 2, 3, 6, 1, Qt::AlignCenter);
  grid->setRowStretch(row, 1);

  for (const char* control : {"chkShadowed", "chkIrregularPiles", "chkAnimated"}) {
    QCheckBox* check = boxes_[control];
    connect(check, &QCheckBox::clicked, this, [this, control] { showEffectPreview(control); });
    check->installEventFilter(new FocusWatcher(check, [this, control] { showEffectPreview(control); }));
  }
  tabs_->addTab(page, tr("Anima&tions"));
}

// The pictures come from the library the first time an effect is shown.
void TfrmCustomize::showEffectPreview(const char* control) {
  const bool on = boxes_[control]->isChecked();
  animatedYes_->setPlay(false);
  animatedNo_->setPlay(false);
  if (QLatin1String(control) == QLatin1String("chkAnimated")) {
    TBitmapAnimated* strip = on ? animatedYes_ : animatedNo_;
    effectPreview_->setCurrentWidget(strip);
    strip->setPlay(true);
    return;
  }
  for (const EffectPreview& effect : kEffects) {
    if (QLatin1String(control) != QLatin1String(effect.control)) continue;
    QLabel* picture = effectPictures_[on ? effect.checked : effect.unchecked];
    if (picture->pixmap().isNull()) picture->setPixmap(host_.library().picture(picture->objectName()));
    effectPreview_->setCurrentWidget(picture);
  }
}

}  // namespace kes
