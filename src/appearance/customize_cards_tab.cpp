#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QTabWidget>
#include <QVBoxLayout>

#include "appearance/frm_customize.h"
#include "display/table/card_images.h"

namespace kes {

namespace {

constexpr int kQueenOfHearts = 12;
constexpr int kSampleFirst = 8;   // the 8 of hearts
constexpr int kSampleLast = 13;   // to the king
constexpr int kSampleGap = 2;
constexpr int kFrame = 5;         // the selection frame stands this far outside a sample

struct Sample {
  const char* choice;
  const char* control;
};
constexpr Sample kSamples[] = {{"001B", "imgCard01"}, {"002B", "imgCard02"}, {"003B", "imgCard03"},
                               {"004B", "imgCard04"}, {"005B", "imgCard05"}, {"003M", "imgCard50"}};

// A picture that reports clicks.
class ClickableLabel : public QLabel {
 public:
  ClickableLabel(QWidget* parent, std::function<void()> clicked) : QLabel(parent), clicked_(std::move(clicked)) {}

 protected:
  void mousePressEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton) clicked_();
  }

 private:
  std::function<void()> clicked_;
};

CardSize sizeOf(const std::string& choice) { return choice.size() >= 4 && choice[3] == 'M' ? kMediumCards : kBigCards; }

}  // namespace

void TfrmCustomize::buildCardsTab() {
  cardsPage_ = new QWidget(tabs_);
  cardsPage_->setObjectName("tbsCards");
  auto* grid = new QGridLayout(cardsPage_);
  for (int i = 0; i < 6; ++i) {
    const Sample& sample = kSamples[i];
    auto* label = new ClickableLabel(cardsPage_, [this, sample] { selectCardSample(sample.choice); });
    label->setObjectName(QString::fromLatin1(sample.control));
    label->setFixedSize(kBigCards.width + 2 * kFrame, kBigCards.height + 2 * kFrame);
    label->setAlignment(Qt::AlignCenter);
    label->setCursor(Qt::PointingHandCursor);
    samples_[sample.choice] = label;
    grid->addWidget(label, i / 3, i % 3);
  }
  auto* sampleColumn = new QVBoxLayout;
  sampleColumn->addWidget(new QLabel(tr("Sample "), cardsPage_));
  imgSample_ = new QLabel(cardsPage_);
  imgSample_->setObjectName("imgSample");
  imgSample_->setFixedSize(4 + 3 * kBigCards.width + 2 * kSampleGap + 4, 10 + 2 * kBigCards.height + kSampleGap + 10);
  sampleColumn->addWidget(imgSample_);
  sampleColumn->addStretch();
  grid->addLayout(sampleColumn, 0, 3, 3, 1);
  QCheckBox* random = addBox(cardsPage_, "chkRandomCard");
  random->setEnabled(choices_.cardSize() == 'B');
  grid->addWidget(random, 2, 0, 1, 3);
  grid->setRowStretch(3, 1);
  tabs_->addTab(cardsPage_, tr("  &Cards  "));
}

// The six queens are drawn the first time the tab shows.
void TfrmCustomize::buildCardSamples() {
  if (samplesBuilt_) return;
  samplesBuilt_ = true;
  for (const Sample& sample : kSamples) {
    CardImages images(host_.library(), host_.installDir());
    images.load(sizeOf(sample.choice), std::stoi(std::string(sample.choice).substr(0, 3)), 0);
    samples_[sample.choice]->setPixmap(images.face(kQueenOfHearts));
  }
  selectCardSample(choices_.cardChoice);
}

void TfrmCustomize::selectCardSample(const std::string& cardChoice) {
  if (!samples_.count(cardChoice)) return;
  choices_.cardChoice = cardChoice;
  for (const auto& [choice, label] : samples_)
    label->setStyleSheet(choice == cardChoice ? QStringLiteral("border: 3px solid navy;") : QString());
  if (QCheckBox* random = boxes_["chkRandomCard"]) random->setEnabled(sizeOf(cardChoice).code == 'B');
  drawCardSample();
}

void TfrmCustomize::drawCardSample() {
  if (!samplesBuilt_) return;
  const CardSize size = sizeOf(choices_.cardChoice);
  CardImages images(host_.library(), host_.installDir());
  images.load(size, choices_.faceSet(), 0);
  QPixmap surface = backgroundSurface(imgSample_->size());
  QPainter painter(&surface);
  const int top = size.code == 'M' ? 25 : 10;
  for (int card = kSampleFirst; card <= kSampleLast; ++card) {
    const int i = card - kSampleFirst;
    const int x = 4 + (i % 3) * (size.width + kSampleGap);
    const int y = top + (i / 3) * (size.height + kSampleGap);
    painter.drawPixmap(QRect(x, y, size.width, size.height), images.face(card));
  }
  painter.end();
  imgSample_->setPixmap(surface);
}

}  // namespace kes
