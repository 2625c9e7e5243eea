#include "app/help/rules_help.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QMessageBox>

#include "app/help/custom_rules_comparison.h"
#include "app/help/frm_custom_help.h"
#include "app/help/help_request.h"
#include "app/help/help_topics.h"
#include "app/help/help_viewer.h"
#include "datafiles/catalogue_params.h"
#include "datafiles/custom_games_file.h"
#include "datafiles/game_list.h"
#include "datafiles/product_title.h"
#include "engine/custom_rules.h"
#include "appearance/busy_cursor.h"

namespace kes {

namespace {

QString pathText(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }

// Brings the viewer up. Asked from a modal dialog it must be modal too, or
// the dialog would keep it from being used; asked from the main window it
// stays beside it.
void present(QWidget& viewer) {
  const QWidget* modal = QApplication::activeModalWidget();
  const Qt::WindowModality wanted = modal && modal != &viewer ? Qt::ApplicationModal : Qt::NonModal;
  if (viewer.windowModality() != wanted) {
    viewer.hide();
    viewer.setWindowModality(wanted);
  }
  viewer.show();
  viewer.raise();
  viewer.activateWindow();
}

// The viewer from the first help module found; null when none loads.
std::unique_ptr<HelpViewer> loadViewer(const QStringList& folders, const QString& helpFile, const QString& cache,
                                       QWidget* parent) {
  for (const QString& folder : folders) {
    QLibrary module(QDir(folder).filePath(QString::fromLatin1(kHelpModuleName)));
    // The help engine keeps threads of its own: the module stays loaded.
    module.setLoadHints(QLibrary::PreventUnloadHint);
    if (!module.load()) continue;
    if (auto make = reinterpret_cast<MakeHelpViewer>(module.resolve(kMakeHelpViewerSymbol)))
      return std::unique_ptr<HelpViewer>(make(helpFile, cache, parent));
  }
  return nullptr;
}

}  // namespace

RulesHelp::RulesHelp(QWidget& window, RulesHelpSources sources)
    : window_(window),
      sources_(std::move(sources)),
      available_(QFileInfo::exists(pathText(sources_.helpFile))),
      runDialog_([](QDialog& dialog) { dialog.exec(); }),
      information_([this](const QString& text) {
        QMessageBox::information(&window_, QString::fromUtf8(kProductTitle), text);
      }) {}

RulesHelp::~RulesHelp() { clearHelpTopicHandler(this); }

void RulesHelp::showGameRules(int game, const QString& name) {
  if (game < 0 && sources_.currentGame) game = sources_.currentGame();
  if (game < 0) return;
  if (game >= kFirstCustomGame)
    showCustomRules(game, name);
  else
    showTopic(HelpTopic::kRulesBase + game);
}

void RulesHelp::showTopic(int topic) { showUrlOf(topic); }

void RulesHelp::showContents() { showUrlOf(0); }

HelpViewer* RulesHelp::openViewer() {
  if (!available_) return nullptr;
  if (!viewer_) {
    BusyCursor busy;
    viewer_ = loadViewer(sources_.moduleFolders, pathText(sources_.helpFile), pathText(sources_.cacheFolder), &window_);
  }
  if (!viewer_) {
    information_(QStringLiteral("The help viewer cannot be loaded: ") + QString::fromLatin1(kHelpModuleName) +
                 QStringLiteral(" was not found."));
    return nullptr;
  }
  if (!viewer_->error().isEmpty()) {
    const QString error = viewer_->error();
    viewer_.reset();  // tried again next time, after the file was mended
    information_(error);
    return nullptr;
  }
  return viewer_.get();
}

void RulesHelp::showUrlOf(int topic) {
  HelpViewer* viewer = openViewer();
  if (!viewer || !viewer->window()) return;
  viewer->showTopic(topic);
  present(*viewer->window());
}

void RulesHelp::showCustomRules(int game, const QString& name) {
  std::optional<CustomGame> custom;
  std::string baseName;
  ParametersRead base;
  {
    BusyCursor busy;
    custom = findCustomGame(sources_.customGamesFile, game);
    if (custom && sources_.games) baseName = sources_.games->name(custom->baseGame);
    if (custom && sources_.catalogue) base = readParameters(*sources_.catalogue, custom->baseGame, comparisonParameters());
  }
  if (!custom) {
    information_(QStringLiteral("The customized game %1 is not in %2.").arg(game).arg(pathText(sources_.customGamesFile)));
    return;
  }
  if (!sources_.catalogue || !base.ok() || baseName.empty()) {
    information_(QStringLiteral("The game %1 comes from, number %2, is not in the catalogue.")
                     .arg(QString::fromStdString(custom->name))
                     .arg(custom->baseGame));
    return;
  }
  const QString shownName = name.trimmed().isEmpty() ? QString::fromStdString(custom->name) : name.trimmed();
  const QString baseShown = QString::fromStdString(baseName);
  TfrmCustomHelp dialog(shownName, baseShown, compareCustomRules(custom->ruleString, base.values), &window_);
  const int baseGame = custom->baseGame;
  connect(&dialog, &TfrmCustomHelp::baseRulesRequested, this,
          [this, baseGame, baseShown] { showGameRules(baseGame, baseShown); });
  runDialog_(dialog);
}

}  // namespace kes
