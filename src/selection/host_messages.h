#pragma once

#include <QString>
#include <string>

#include "datafiles/message_sink.h"
#include "selection/selection_host.h"

namespace kes {

// Passes the messages of the data files on to the player through the host.
class HostMessages : public MessageSink {
 public:
  explicit HostMessages(SelectionHost& host) : host_(host) {}
  void information(const std::string& text) override { host_.information(QString::fromStdString(text)); }

 private:
  SelectionHost& host_;
};

}  // namespace kes
