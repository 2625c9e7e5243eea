#include "main_window.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

#include "app/window/demo_bar.h"
#include "app/window/glyph_source.h"
#include "app/window/info_panel.h"
#include "app/window/menu_table.h"
#include "app/window/panel_placement.h"
#include "app/window/pause_screen.h"
#include "app/window/toolbar.h"
#include "display/geometry/table_area.h"
#include "display/geometry/table_scrolling.h"
#include "engine/game_clock.h"
#include "product.h"

namespace kes {

namespace {

// Until the table display draws the game, the table shows its colour.
const QColor kTableColour(0, 128, 0);
// The grey and the black line between the panels and the table.
constexpr int kLineHeight = 1;
constexpr int kLinesUnderPanels = 2 * kLineHeight;

QFrame* makeLine(const QString& name, int height, const QColor& colour, QWidget* parent) {
  auto* line = new QFrame(parent);
  line->setObjectName(name);
  line->setFixedHeight(height);
  line->setAutoFillBackground(true);
  QPalette palette = line->palette();
  palette.setColor(QPalette::Window, colour);
  line->setPalette(palette);
  return line;
}

QFrame* makeStatusPanel(const QString& name, QWidget* parent) {
  auto* panel = new QFrame(parent);
  panel->setObjectName(name);
  panel->setFrameShape(QFrame::StyledPanel);
  panel->setFrameShadow(QFrame::Sunken);
  return panel;
}

}  // namespace

TfrmMain::TfrmMain(QWidget* parent) : TfrmMain(std::make_unique<LibraryGlyphs>(), parent) {}

TfrmMain::TfrmMain(std::unique_ptr<GlyphSource> glyphs, QWidget* parent)
    : QMainWindow(parent), glyphs_(std::move(glyphs)) {
  setObjectName("frmMain");
  setWindowTitle(QString::fromUtf8(kProductTitle));
  actions_ = buildMainMenu(*menuBar(), mainMenuTable());
  menuBar()->setObjectName("MainMenu1");
  buildFrame();
  buildPanels();
  buildPopups();
  connectCommands();
  timer1_.setParent(this);
  timer1_.setObjectName("Timer1");
  timer1_.setInterval(1000);
  connect(&timer1_, &QTimer::timeout, this, &TfrmMain::onTimer1);
  timer1_.start();
  applyOptions(options_);
  resize(800, 600);
  auto uptime = std::make_shared<QElapsedTimer>();
  uptime->start();
  ticks_ = [uptime] { return uptime->elapsed(); };
}

void TfrmMain::onTimer1() {
  if (timing_ && clockRefresh_) clockRefresh_();
  if (showPileSizes_) considerPileSizeTip();
}

TfrmMain::~TfrmMain() = default;

// From the top: a sunken line, the toolbars, the demo bar, two lines under
// them, the table with its scroll bar, the status strip.
void TfrmMain::buildFrame() {
  central_ = new QWidget(this);
  central_->setObjectName("frmMainClient");
  central_->installEventFilter(this);
  setCentralWidget(central_);
  auto* column = new QVBoxLayout(central_);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);

  auto* panel1 = new QFrame(central_);
  panel1->setObjectName("Panel1");
  panel1->setFrameShape(QFrame::HLine);
  panel1->setFrameShadow(QFrame::Sunken);
  panel1->setFixedHeight(2);
  pnlTB_ = new ToolbarPanel(ToolbarSize::Large, *glyphs_, central_);
  pnlTB1_ = new ToolbarPanel(ToolbarSize::Small, *glyphs_, central_);
  pnlTB1_->setCursor(Qt::ArrowCursor);
  pnlLineUpDemo_ = makeLine("pnlLineUpDemo", 1, QColor(128, 128, 128), central_);
  pnlDemo_ = new QFrame(central_);
  pnlDemo_->setObjectName("pnlDemo");
  pnlDemo_->setFixedHeight(30);
  demoBar_ = new DemoBar(pnlDemo_);
  auto* demoRow = new QHBoxLayout(pnlDemo_);
  demoRow->setContentsMargins(0, 0, 0, 0);
  demoRow->addWidget(demoBar_);
  pnlLineUpDemo_->hide();
  pnlDemo_->hide();
  for (QWidget* widget : {static_cast<QWidget*>(panel1), static_cast<QWidget*>(pnlTB_),
                          static_cast<QWidget*>(pnlTB1_), static_cast<QWidget*>(pnlLineUpDemo_),
                          static_cast<QWidget*>(pnlDemo_)})
    column->addWidget(widget);
  column->addWidget(makeLine("pnlLineaGrigia", kLineHeight, QColor(128, 128, 128), central_));
  column->addWidget(makeLine("pnlLineaNera", kLineHeight, Qt::black, central_));
  buildTableArea();

  pnlStatusBar_ = new QFrame(central_);
  pnlStatusBar_->setObjectName("pnlStatusBar");
  pnlStatusBar_->setFixedHeight(20);
  auto* strip = new QHBoxLayout(pnlStatusBar_);
  strip->setContentsMargins(2, 1, 2, 1);
  strip->setSpacing(2);
  strip->addWidget(makeStatusPanel("pnl_sb_giocatori", pnlStatusBar_), 2);
  strip->addWidget(makeStatusPanel("pnl_sb_livello", pnlStatusBar_), 1);
  column->addWidget(pnlStatusBar_);
}

void TfrmMain::buildTableArea() {
  auto* body = new QWidget(central_);
  body->setObjectName("pnlBody");
  auto* row = new QHBoxLayout(body);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(0);
  tableArea_ = new QWidget(body);
  tableArea_->setObjectName("pnlTableArea");
  tableArea_->installEventFilter(this);
  tableArea_->setMinimumSize(1, 1);
  // The bar stands over the table's right edge, which the layout keeps free.
  scrBarMain_ = new QScrollBar(Qt::Vertical, tableArea_);
  scrBarMain_->setObjectName("scrBarMain");
  scrBarMain_->setSingleStep(kScrollSmallChange);
  scrBarMain_->setPageStep(kScrollLargeChange);
  scrBarMain_->setRange(0, kHiddenScrollMaximum);
  scrBarMain_->hide();
  connect(scrBarMain_, &QScrollBar::valueChanged, this, &TfrmMain::tableScrolled);
  row->addWidget(tableArea_, 1);
  qobject_cast<QVBoxLayout*>(central_->layout())->addWidget(body, 1);

  auto* placeholder = new QWidget(tableArea_);
  placeholder->setObjectName("TableView");
  placeholder->setAutoFillBackground(true);
  QPalette palette = placeholder->palette();
  palette.setColor(QPalette::Window, kTableColour);
  placeholder->setPalette(palette);
  setTableView(placeholder);

  pauseScreen_ = new PauseScreen(*glyphs_, tableArea_);
  connect(pauseScreen_, &PauseScreen::endRequested, this, [this] { setPaused(false); });

  pnlPilesSize_ = new QLabel(tableArea_);
  pnlPilesSize_->setObjectName("pnlPilesSize");
  pnlPilesSize_->setAlignment(Qt::AlignCenter);
  pnlPilesSize_->setFrameShape(QFrame::Box);
  pnlPilesSize_->setAutoFillBackground(true);
  pnlPilesSize_->setBackgroundRole(QPalette::ToolTipBase);
  pnlPilesSize_->setForegroundRole(QPalette::ToolTipText);
  pnlPilesSize_->setFixedHeight(19);
  pnlPilesSize_->installEventFilter(this);
  pnlPilesSize_->hide();
}

void TfrmMain::buildPanels() {
  pnlTempo_ = new InfoPanel("pnlTempo", "Time:", "lblTempo2", "lblTempo", central_);
  pnlScore_ = new InfoPanel("pnlScore", "Score:", "lblScore2", "lblScore", central_);
  lblSolverStatus_ = new QLabel(central_);
  lblSolverStatus_->setObjectName("lblSolverStatus");
  lblSolverStatus_->setStyleSheet(QStringLiteral("QLabel { background: #ffffe1; border: 1px solid #808080; padding: 1px 4px; }"));
  lblSolverStatus_->hide();
  setPlayingTime(std::chrono::seconds{0});
  setScore(0);
}

void TfrmMain::setTableView(QWidget* view) {
  if (tableView_ && tableView_ != view) tableView_->deleteLater();
  tableView_ = view;
  view->setParent(tableArea_);
  view->setGeometry(tableArea_->rect());
  view->lower();
  view->show();
}

// The client area is the central widget: the menu bar lies above it.
WindowMeasures TfrmMain::tableMeasures() const {
  WindowMeasures m;
  m.outerWidth = frameGeometry().width();
  m.outerHeight = frameGeometry().height();
  m.clientHeight = central_->height();
  m.tableTop = tableArea_->mapTo(central_, QPoint(0, 0)).y();
  // The panels end where the two lines above the table begin. Read from the
  // table's own place: showing a panel lays the window out in the middle of
  // the panel's own show, before the panel itself has its place.
  const std::array<const QWidget*, 3> panels{pnlDemo_, pnlTB_, pnlTB1_};
  const bool panelShown =
      std::any_of(panels.begin(), panels.end(), [this](const QWidget* panel) { return panel->isVisibleTo(this); });
  m.panelsBottom = panelShown ? m.tableTop - kLinesUnderPanels : 0;
  return m;
}

void TfrmMain::onTableAreaResized() {
  tableView_->setGeometry(tableArea_->rect());
  scrBarMain_->setGeometry(tableArea_->width() - kScrollBarWidth, 0, kScrollBarWidth, tableArea_->height());
  if (pauseScreen_->active()) pauseScreen_->setGeometry(tableArea_->rect());
  emit tableResized(tableArea_->size());
}

void TfrmMain::setPlayingTime(std::chrono::seconds elapsed) {
  pnlTempo_->setValue(QString::fromStdString(formatPlayingTime(elapsed)));
}

void TfrmMain::setScore(int score) { pnlScore_->setValue(QString::number(score)); }

void TfrmMain::setSolverStatus(const QString& text, const QString& toolTip) {
  lblSolverStatus_->setText(text);
  lblSolverStatus_->setToolTip(toolTip);
  lblSolverStatus_->setVisible(!text.isEmpty());
  PlaceTimeAndScore();
}

QString TfrmMain::solverStatus() const { return lblSolverStatus_->isHidden() ? QString() : lblSolverStatus_->text(); }

void TfrmMain::setDemoBarShown(bool shown) {
  pnlLineUpDemo_->setVisible(shown);
  pnlDemo_->setVisible(shown);
  PlaceTimeAndScore();
}

void TfrmMain::showPileSizeTip(QPoint at, int count) {
  if (count <= 0) {
    hidePileSizeTip();
    return;
  }
  const QString caption = QStringLiteral("Pile cards: %1").arg(count);
  pnlPilesSize_->setText(caption);
  pnlPilesSize_->setFixedWidth(pnlPilesSize_->fontMetrics().horizontalAdvance(caption) + 20);
  pnlPilesSize_->move(placePileSizeTip(at, pnlPilesSize_->size(), tableArea_->size()));
  pnlPilesSize_->raise();
  pnlPilesSize_->show();
}

void TfrmMain::hidePileSizeTip() { pnlPilesSize_->hide(); }

void TfrmMain::notePointerMove(QPoint at) {
  if (pointerRest_.moved(at, ticks_())) hidePileSizeTip();
}

void TfrmMain::clearPointerRest() {
  pointerRest_.clear();
  hidePileSizeTip();
}

void TfrmMain::considerPileSizeTip() {
  if (!pileSizeLookup_ || pnlPilesSize_->isVisible() || isPaused()) return;
  if (const auto at = pointerRest_.takeRest(ticks_())) showPileSizeTip(*at, pileSizeLookup_(*at));
}

bool TfrmMain::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate && firstActivationPending_) {
    firstActivationPending_ = false;
    emit firstActivated();
  }
  return QMainWindow::event(event);
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event) {
  if (watched == tableArea_ && event->type() == QEvent::Resize) onTableAreaResized();
  if (watched == tableArea_ && event->type() == QEvent::Leave) pointerRest_.clear();
  if (watched == central_ && event->type() == QEvent::Resize) PlaceTimeAndScore();
  if (watched == pnlPilesSize_ && event->type() == QEvent::Enter) hidePileSizeTip();
  return QMainWindow::eventFilter(watched, event);
}

void TfrmMain::keyPressEvent(QKeyEvent* event) {
  hidePileSizeTip();
  QMainWindow::keyPressEvent(event);
}

}  // namespace kes
