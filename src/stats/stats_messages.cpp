#include "stats/stats_messages.h"

#include <QMessageBox>

#include "datafiles/product_title.h"
#include "stats/statistics_host.h"

namespace kes {

namespace {

int runBox(StatisticsHost& host, QWidget* parent, QMessageBox::Icon icon, const QString& text,
           QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton) {
  QString lines = text;
  lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  QMessageBox box(icon, QString::fromUtf8(kProductTitle), lines, buttons, parent);
  box.setDefaultButton(defaultButton);
  return host.runDialog(box);
}

}  // namespace

void tellUser(StatisticsHost& host, QWidget* parent, const QString& text) {
  runBox(host, parent, QMessageBox::Information, text, QMessageBox::Ok, QMessageBox::Ok);
}

bool askYesNo(StatisticsHost& host, QWidget* parent, const QString& text) {
  return runBox(host, parent, QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) ==
         QMessageBox::Yes;
}

bool warnOkCancel(StatisticsHost& host, QWidget* parent, const QString& text) {
  return runBox(host, parent, QMessageBox::Warning, text, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok) ==
         QMessageBox::Ok;
}

void DialogMessageSink::information(const std::string& text) {
  tellUser(host_, parent_, QString::fromStdString(text));
}

}  // namespace kes
