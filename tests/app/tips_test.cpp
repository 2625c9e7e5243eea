// The tip of the day: the tips file of the build, the dialog's Next and
// the settings it keeps.
#include <QCheckBox>
#include <QPushButton>
#include <QtTest>

#include "app/startup/preference_table.h"
#include "app/tips/tip_list.h"
#include "app/tips/tips_dialog.h"
#include "table_test_support.h"

class TipsTest : public QObject {
  Q_OBJECT

 private slots:
  void paragraphsAreTipsAndNotesAreLeftOut() {
    const auto tips = kes::parseTips("# a note\n\nFirst line\n  goes on.\n\n\n# another\nSecond.\r\n");
    QCOMPARE(tips.size(), std::size_t{2});
    QCOMPARE(QString::fromStdString(tips[0]), QString("First line goes on."));
    QCOMPARE(QString::fromStdString(tips[1]), QString("Second."));
    QVERIFY(kes::readTips("/no/such/tips.txt").empty());
  }

  void theInstalledFileHoldsTwentyTipsOrMore() {
    const auto tips = kes::readTips(qEnvironmentVariable("KESTROVA_TEST_DATA").toStdString() + "/tips.txt");
    QVERIFY(tips.size() >= 20);
    for (const std::string& tip : tips) QVERIFY2(tip.size() > 30 && tip.size() < 400, tip.c_str());
  }

  void nextWrapsAndTheNextOpeningGoesOn() {
    kes::TempDir data;
    kes::test::IgnoredMessages messages;
    kes::SettingsFile settings(data.path() / "CFG.DAT", messages);
    settings.writeString(kes::kPreferenceSection, "Tips_Num", "2");
    {
      kes::TfrmTips dialog({"one", "two", "three"}, &settings);
      QCOMPARE(dialog.shownText(), QString("three"));
      QVERIFY(!dialog.findChild<QCheckBox*>("chkStartUp")->isChecked());
      dialog.findChild<QPushButton*>("btnNext")->click();
      QCOMPARE(dialog.shownText(), QString("one"));
      dialog.findChild<QCheckBox*>("chkStartUp")->setChecked(true);
      dialog.findChild<QPushButton*>("btnClose")->click();
    }
    QCOMPARE(settings.readString(kes::kPreferenceSection, "Tips_Num", ""), std::string("1"));
    QCOMPARE(settings.readString(kes::kPreferenceSection, "Tips_StartUp", ""), std::string("Y"));
    // A number out of range starts again at the first tip.
    settings.writeString(kes::kPreferenceSection, "Tips_Num", "17");
    kes::TfrmTips dialog({"one", "two"}, &settings);
    QCOMPARE(dialog.shownText(), QString("one"));
    QVERIFY(dialog.findChild<QCheckBox*>("chkStartUp")->isChecked());
  }

  void theMenuItemIsEnabled() {
    kes::TfrmMain window;
    QVERIFY(window.menuAction("mnuTips")->isEnabled());
  }
};

QTEST_MAIN(TipsTest)
#include "tips_test.moc"
