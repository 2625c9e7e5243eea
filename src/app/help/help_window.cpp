#include "app/help/help_window.h"

#include <QHBoxLayout>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QHelpSearchEngine>
#include <QHelpSearchQueryWidget>
#include <QHelpSearchResultWidget>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/help/help_browser.h"
#include "app/help/help_collection.h"
#include "datafiles/product_title.h"

namespace kes {

namespace {

QPushButton* navigationButton(const QString& text, const char* name, QWidget* parent) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(name);
  button->setAutoDefault(false);
  return button;
}

}  // namespace

TfrmHelp::TfrmHelp(HelpCollection& collection, QWidget* parent)
    : QWidget(parent, Qt::Window), collection_(collection) {
  setObjectName("frmHelp");
  setWindowTitle(QString::fromUtf8(kProductTitle) + QStringLiteral(" Help"));
  browser_ = new HelpBrowser(collection, this);
  tabs_ = new QTabWidget(this);
  tabs_->setObjectName("tabsHelp");
  tabs_->addTab(makeContentsTab(), QStringLiteral("&Contents"));
  tabs_->addTab(makeIndexTab(), QStringLiteral("&Index"));
  tabs_->addTab(makeSearchTab(), QStringLiteral("&Search"));

  auto* back = navigationButton(QStringLiteral("&Back"), "btnBack", this);
  auto* forward = navigationButton(QStringLiteral("&Forward"), "btnForward", this);
  auto* home = navigationButton(QStringLiteral("C&ontents page"), "btnHome", this);
  back->setEnabled(false);
  forward->setEnabled(false);
  connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
  connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
  connect(browser_, &QTextBrowser::backwardAvailable, back, &QWidget::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward, &QWidget::setEnabled);
  connect(home, &QPushButton::clicked, this, [this] { showPage(collection_.contentsUrl()); });
  connect(browser_, &QTextBrowser::sourceChanged, this, &TfrmHelp::followPage);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(back);
  buttons->addWidget(forward);
  buttons->addWidget(home);
  buttons->addStretch();
  auto* splitter = new QSplitter(this);
  splitter->addWidget(tabs_);
  splitter->addWidget(browser_);
  splitter->setStretchFactor(1, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(splitter);
  resize(860, 620);
  splitter->setSizes({240, 620});
}

QWidget* TfrmHelp::makeContentsTab() {
  QHelpContentWidget* contents = collection_.engine().contentWidget();
  contents->setObjectName("trvHelpContents");
  connect(contents, &QHelpContentWidget::linkActivated, this, &TfrmHelp::showPage);
  return contents;
}

QWidget* TfrmHelp::makeIndexTab() {
  auto* tab = new QWidget(this);
  indexFilter_ = new QLineEdit(tab);
  indexFilter_->setObjectName("edtIndexFilter");
  auto* label = new QLabel(QStringLiteral("&Look for:"), tab);
  label->setBuddy(indexFilter_);
  QHelpIndexWidget* index = collection_.engine().indexWidget();
  index->setObjectName("lsbHelpIndex");
  connect(indexFilter_, &QLineEdit::textChanged, index, [index](const QString& text) { index->filterIndices(text); });
  connect(indexFilter_, &QLineEdit::returnPressed, index, &QHelpIndexWidget::activateCurrentItem);
  connect(index, &QHelpIndexWidget::documentActivated, this,
          [this](const QHelpLink& document, const QString&) { showPage(document.url); });
  connect(index, &QHelpIndexWidget::documentsActivated, this,
          [this](const QList<QHelpLink>& documents, const QString&) {
            if (!documents.isEmpty()) showPage(documents.first().url);
          });
  auto* layout = new QVBoxLayout(tab);
  layout->addWidget(label);
  layout->addWidget(indexFilter_);
  layout->addWidget(index);
  return tab;
}

QWidget* TfrmHelp::makeSearchTab() {
  auto* tab = new QWidget(this);
  QHelpSearchEngine* search = collection_.engine().searchEngine();
  QHelpSearchQueryWidget* query = search->queryWidget();
  query->setObjectName("edtHelpSearch");
  QHelpSearchResultWidget* results = search->resultWidget();
  results->setObjectName("lsbHelpResults");
  // The index is built in the background when help opens; searching waits
  // for it.
  setProperty("searchReady", false);
  connect(search, &QHelpSearchEngine::indexingStarted, query, [this, query] {
    query->setEnabled(false);
    setProperty("searchReady", false);
  });
  connect(search, &QHelpSearchEngine::indexingFinished, query, [this, query] {
    query->setEnabled(true);
    setProperty("searchReady", true);
  });
  connect(query, &QHelpSearchQueryWidget::search, search, [search, query] { search->search(query->searchInput()); });
  connect(results, &QHelpSearchResultWidget::requestShowLink, this, &TfrmHelp::showPage);
  auto* layout = new QVBoxLayout(tab);
  layout->addWidget(query);
  layout->addWidget(results);
  search->reindexDocumentation();
  return tab;
}

void TfrmHelp::showPage(const QUrl& url) {
  if (url.isValid()) browser_->setSource(url);
}

QUrl TfrmHelp::source() const { return browser_->source(); }

QString TfrmHelp::pageTitle() const { return browser_->documentTitle(); }

// The contents tree marks the page shown, wherever it was chosen.
void TfrmHelp::followPage(const QUrl& url) {
  QHelpContentWidget* contents = collection_.engine().contentWidget();
  const QModelIndex index = contents->indexOf(url);
  if (index.isValid()) contents->setCurrentIndex(index);
}

}  // namespace kes
