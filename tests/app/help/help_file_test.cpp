// The help file the build wrote, read as the program reads it: a rules page
// for every game of the built catalogue under topic 3000 + its number, a
// page for every dialog topic, and an index and contents to find them by.
#include <QHelpContentModel>
#include <QHelpEngine>
#include <QHelpIndexModel>
#include <QHelpLink>
#include <QtTest>

#include "app/help/help_collection.h"
#include "app/help/help_topics.h"
#include "datafiles/catalogue_file.h"
#include "datafiles/game_list.h"
#include "test_temp_dir.h"

namespace {

QString builtFile(const char* name) { return qEnvironmentVariable("KESTROVA_TEST_DATA") + "/" + name; }

// The text of the page's <title>.
QString titleOf(const QByteArray& page) {
  const QString text = QString::fromUtf8(page);
  const qsizetype open = text.indexOf("<title>");
  const qsizetype close = text.indexOf("</title>");
  if (open < 0 || close < open) return {};
  return text.mid(open + 7, close - open - 7);
}

QString unescaped(QString text) {
  return text.replace("&lt;", "<").replace("&gt;", ">").replace("&quot;", "\"").replace("&amp;", "&");
}

}  // namespace

class HelpFileTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    cache_ = std::make_unique<kes::TempDir>();
    collection_ = std::make_unique<kes::HelpCollection>(builtFile("kestrova.hlp"),
                                                        QString::fromStdString(cache_->path().string()));
    QVERIFY2(collection_->ready(), qPrintable(collection_->error()));
  }

  void cleanup() {
    collection_.reset();
    cache_.reset();
  }

  void everyCatalogueGameHasItsRulesPage() {
    const auto catalogue = kes::readCatalogue(builtFile("GAMES.DAT").toStdString());
    QVERIFY(catalogue);
    const auto games = kes::loadGameList(*catalogue).entries();
    QVERIFY(games.size() > 100);
    for (const kes::GameListEntry& game : games) {
      const QString name = QString::fromStdString(game.name).trimmed();
      const QUrl url = collection_->topicUrl(kes::HelpTopic::kRulesBase + game.number);
      QVERIFY2(url.isValid(), qPrintable(QString("no rules page for game %1 %2").arg(game.number).arg(name)));
      const QByteArray page = collection_->fileData(url);
      QCOMPARE(unescaped(titleOf(page)), name);
      QVERIFY2(page.contains("<h2>Rules</h2>"), qPrintable(name));
    }
  }

  void everyDialogTopicHasAPage() {
    using namespace kes::HelpTopic;
    for (int topic : {kPlaying, kSelectGameNumber, kPlayers, kAddPlayer, kAdvancedOptions, kPointers, kEditPlayer,
                      kCustomize, kCardCounter, kGameStatistics, kAllGamesStatistics, kPlayersStatistics,
                      kLogStatistics, kOverallScore, kOverallScoreDetails, kClearStatistics, kClearValues, kOpenGame,
                      kFavoriteGames, kCustomizeRules, kNewGameName, kHiScores, kGameWon, kTournamentManager,
                      kPlayTournament})
      QVERIFY2(collection_->topicUrl(topic).isValid(), qPrintable(QString::number(topic)));
    QVERIFY(!collection_->topicUrl(2999).isValid());
    QVERIFY(!collection_->fileData(collection_->contentsUrl()).isEmpty());
  }

  void pagesShowTheirPreviewAndStyle() {
    const QByteArray klondike = collection_->fileData(collection_->topicUrl(3002));
    QVERIFY(klondike.contains("<img src=\"previews/GAME0002.png\""));
    QVERIFY(!collection_->fileData(collection_->topicUrl(3002).resolved(QUrl("previews/GAME0002.png"))).isEmpty());
    QVERIFY(!collection_->fileData(collection_->topicUrl(3002).resolved(QUrl("help.css"))).isEmpty());
  }

  void theIndexFindsATopicByItsIdentifier() {
    const QList<QHelpLink> links = collection_->engine().documentsForIdentifier("topic-3002");
    QCOMPARE(links.size(), 1);
    QCOMPARE(links.first().title, QString("Klondike"));
    QVERIFY(links.first().url.toString().endsWith("/3002.html"));
  }

 private:
  std::unique_ptr<kes::TempDir> cache_;
  std::unique_ptr<kes::HelpCollection> collection_;
};

QTEST_MAIN(HelpFileTest)
#include "help_file_test.moc"
