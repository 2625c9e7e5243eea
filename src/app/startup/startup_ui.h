#pragma once

#include <string>

#include "datafiles/message_sink.h"

namespace kes {

// The picture beside an advice message.
enum class AdvicePicture { Color = 0, Screen640x480 = 1 };

// What start-up and shut-down show the user. The window shows message boxes;
// tests record the texts and give the answers.
class StartupUi : public MessageSink {
 public:
  // A box titled "Error" with an error icon.
  virtual void error(const std::string& text) = 0;
  // An information box with a "don't show again" check box; true when the
  // user ticked it.
  virtual bool advice(const std::string& text, AdvicePicture picture) = 0;
  // An OK/Cancel question; true for OK.
  virtual bool confirm(const std::string& question) = 0;
};

}  // namespace kes
