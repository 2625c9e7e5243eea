#pragma once

#include <QFileInfo>
#include <QStringList>
#include <functional>

#include "display/sound/sound_output.h"

namespace kes::test {

// Notes what the game asked of the sound device: "play Stock.wav",
// "wait New.wav", "loop Redeal.wav", "stop". `note` adds something of the
// moment (such as how many cards have landed) to each request.
class RecordingSoundOutput : public SoundOutput {
 public:
  explicit RecordingSoundOutput(QStringList& log, std::function<QString()> note = {}) : log_(log), note_(std::move(note)) {}
  void play(const QString& file) override { add("play " + QFileInfo(file).fileName()); }
  void playAndWait(const QString& file, int) override { add("wait " + QFileInfo(file).fileName()); }
  void loop(const QString& file) override { add("loop " + QFileInfo(file).fileName()); }
  void stop() override { add("stop"); }

 private:
  void add(const QString& request) { log_ << (note_ ? request + " " + note_() : request); }
  QStringList& log_;
  std::function<QString()> note_;
};

}  // namespace kes::test
