#pragma once

#include <QString>
#include <string>

#include "datafiles/message_sink.h"

class QWidget;

namespace kes {

class StatisticsHost;

// The message boxes of the statistics and players dialogs, each opened
// through the host so that tests can answer it. Texts keep their lines
// apart with CR.
void tellUser(StatisticsHost& host, QWidget* parent, const QString& text);
bool askYesNo(StatisticsHost& host, QWidget* parent, const QString& text);
// A warning with OK and Cancel; true for OK.
bool warnOkCancel(StatisticsHost& host, QWidget* parent, const QString& text);

// The data files' messages as information boxes over a window.
class DialogMessageSink : public MessageSink {
 public:
  DialogMessageSink(StatisticsHost& host, QWidget* parent) : host_(host), parent_(parent) {}
  void information(const std::string& text) override;

 private:
  StatisticsHost& host_;
  QWidget* parent_;
};

}  // namespace kes
