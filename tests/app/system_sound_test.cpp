// The real sound output on this machine: it loads its module with the first
// sound, and a machine without a sound device (CI has none) plays nothing
// and says nothing.
#include <QElapsedTimer>
#include <QtTest>

#include "display/sound/system_sound_output.h"

namespace {

QStringList heard;

void collect(QtMsgType, const QMessageLogContext&, const QString& text) { heard << text; }

}  // namespace

class SystemSoundTest : public QObject {
  Q_OBJECT

 private slots:
  void soundsPlayQuietlyWithOrWithoutADevice() {
    const QString data = qEnvironmentVariable("KESTROVA_TEST_DATA");
    const QtMessageHandler before = qInstallMessageHandler(collect);
    {
      kes::SystemSoundOutput output({data});
      output.play(data + "/SOUNDS/Stock.wav");
      QElapsedTimer waited;
      waited.start();
      output.playAndWait(data + "/SOUNDS/New.wav", 200);
      // Never longer than the sound and the first loading allow.
      QVERIFY(waited.elapsed() < 4000);
      output.loop(data + "/SOUNDS/Shuffle.wav");
      QTest::qWait(100);
      output.stop();
      output.play(data + "/SOUNDS/none.wav");
      QTest::qWait(100);
    }
    qInstallMessageHandler(before);
    QVERIFY2(heard.isEmpty(), qPrintable(heard.join('\n')));
  }

  void withoutTheModuleNothingPlaysAndNothingWaits() {
    kes::SystemSoundOutput output({"/no/such/folder"});
    QElapsedTimer waited;
    waited.start();
    output.playAndWait("/no/such/file.wav", 1500);
    QVERIFY(waited.elapsed() < 1000);
  }
};

QTEST_MAIN(SystemSoundTest)
#include "system_sound_test.moc"
