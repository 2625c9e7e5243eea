#pragma once

#include <string>

namespace kes {

// Where the data-file routines send the messages the user must see. The
// window shows each one in an information box with a single OK button; the
// command-line tool prints it.
class MessageSink {
 public:
  virtual ~MessageSink() = default;
  virtual void information(const std::string& text) = 0;
};

}  // namespace kes
