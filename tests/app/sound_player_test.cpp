// The sound switches and the look-up of sound names in the SOUNDS folder,
// with a recording output in place of the sound device.
#include <QFile>
#include <QtTest>

#include "app/sound/game_sounds.h"
#include "app/startup/preference_table.h"
#include "datafiles/config_field.h"
#include "datafiles/config_record.h"
#include "datafiles/ini_document.h"
#include "display/sound/sound_player.h"
#include "display/sound/wave_info.h"
#include "recording_sound_output.h"
#include "test_temp_dir.h"

namespace {

// A folder of sounds: real wave files from the build, a damaged one and an
// empty one.
struct SoundsFolder {
  kes::TempDir dir;
  QString path = QString::fromStdString(dir.path().string());

  SoundsFolder() {
    const QString built = qEnvironmentVariable("KESTROVA_TEST_DATA") + "/SOUNDS/";
    for (const char* name : {"Stock.wav", "card_up.wav", "Reorder.wav", "New.wav", "Redeal.wav", "Hi-Scor.wav", "Scores.wav"})
      QFile::copy(built + name, path + "/" + name);
    write("Broken.wav", "RIFF....WAVEfmt nonsense");
    write("Empty.wav", "");
  }
  void write(const QString& name, const QByteArray& bytes) const {
    QFile f(path + "/" + name);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
  }
};

struct Fixture {
  SoundsFolder folder;
  kes::ConfigRecord config;
  QStringList log;
  kes::SoundPlayer player{config, folder.path};

  Fixture() {
    kes::loadPreferences(kes::IniDocument{}, kes::DisplayInfo{}, config);
    player.setOutput(std::make_unique<kes::test::RecordingSoundOutput>(log));
  }
};

}  // namespace

class SoundPlayerTest : public QObject {
  Q_OBJECT

 private slots:
  void everySoundPlaysUnderItsSwitchesByDefault() {
    Fixture f;
    f.player.play("Stock.wav", "Sounds_Stock");
    f.player.loop("Redeal.wav", "Sounds_Redeal");
    f.player.playAndWait("New.wav", "Sounds_NewGame");
    f.player.stop();
    QCOMPARE(f.log, QStringList({"play Stock.wav", "loop Redeal.wav", "wait New.wav", "stop"}));
  }

  void theMasterSwitchOffPlaysNothingAndSkipsStopping() {
    Fixture f;
    f.config.put(kes::Field::SoundsEnabled, "N");
    f.player.play("Stock.wav", "Sounds_Stock");
    f.player.loop("Redeal.wav", "Sounds_Redeal");
    f.player.playAndWait("New.wav", "Sounds_NewGame");
    f.player.preview("Stock");
    f.player.stop();
    QVERIFY(f.log.isEmpty());
  }

  void anEventSwitchMustHoldY() {
    Fixture f;
    f.config.put(kes::Field::SoundStock, "N");
    f.player.play("Stock.wav", "Sounds_Stock");
    f.config.put(kes::Field::SoundStock, " ");
    f.player.play("Stock.wav", "Sounds_Stock");
    QVERIFY(f.log.isEmpty());
    // A sound with no switch of its own answers to the master switch alone.
    f.config.put(kes::Field::SoundFoundation, "N");
    f.player.play("Reorder.wav", "");
    QCOMPARE(f.log, QStringList({"play Reorder.wav"}));
  }

  void namesMatchTheirFilesRegardlessOfCaseAndExtension() {
    Fixture f;
    f.player.play("Card_up", "Sounds_CardUp");
    f.player.play("card_up.wav", "Sounds_CardUp");
    f.player.play("CARD_UP.WAV", "Sounds_CardUp");
    f.player.play("stock");
    QCOMPARE(f.log, QStringList({"play card_up.wav", "play card_up.wav", "play card_up.wav", "play Stock.wav"}));
  }

  void aNameWithoutAReadableFileOnlyStopsWhatPlays() {
    Fixture f;
    for (const char* name : {"_t1dz", "Missing.wav", "Broken.wav", "Empty"}) f.player.preview(name);
    QCOMPARE(f.log, QStringList({"stop", "stop", "stop", "stop"}));
  }

  void thePreviewIgnoresTheEventSwitch() {
    Fixture f;
    f.config.put(kes::Field::SoundStock, "N");
    f.player.preview("Stock");
    QCOMPARE(f.log, QStringList({"play Stock.wav"}));
  }

  void theHiScoreTableSoundsNewEntriesApart() {
    Fixture f;
    kes::playHiScoreSound(f.player, true);
    kes::playHiScoreSound(f.player, false);
    f.config.put(kes::Field::SoundNewHiScores, "N");
    kes::playHiScoreSound(f.player, true);
    f.config.put(kes::Field::SoundHiScores, "N");
    kes::playHiScoreSound(f.player, true);
    QCOMPARE(f.log, QStringList({"play Scores.wav", "play Hi-Scor.wav", "play Hi-Scor.wav"}));
  }

  void waveLengthsComeFromTheHeader() {
    SoundsFolder folder;
    const auto stock = kes::waveLength(folder.path + "/Stock.wav");
    QVERIFY(stock.has_value());
    QVERIFY(*stock > 10 && *stock < 500);
    QVERIFY(!kes::waveLength(folder.path + "/Broken.wav"));
    QVERIFY(!kes::waveLength(folder.path + "/Empty.wav"));
    QVERIFY(!kes::waveLength(folder.path + "/None.wav"));
  }
};

QTEST_MAIN(SoundPlayerTest)
#include "sound_player_test.moc"
