#pragma once

#include <QStringList>
#include <memory>

#include "display/sound/sound_output.h"

class QThread;

namespace kes {

class SoundWorker;

// The machine's sound device. Nothing of it is loaded until the first sound
// is asked for: then a thread of its own starts, loads the sound module
// (kestrova-sound, which brings in the multimedia libraries) from the first
// of the folders that holds it, and plays every later sound there, so that
// neither start-up nor the table waits for it. Without the module or
// without a sound device nothing plays and nothing is said.
class SystemSoundOutput : public SoundOutput {
 public:
  explicit SystemSoundOutput(QStringList moduleFolders);
  ~SystemSoundOutput() override;
  SystemSoundOutput(const SystemSoundOutput&) = delete;
  SystemSoundOutput& operator=(const SystemSoundOutput&) = delete;

  void play(const QString& file) override;
  void playAndWait(const QString& file, int milliseconds) override;
  void loop(const QString& file) override;
  void stop() override;

  // The folders the program looks for its sound module in: beside the
  // executable, then the installed library folder.
  static QStringList defaultModuleFolders();

 private:
  SoundWorker& worker();

  QStringList moduleFolders_;
  std::unique_ptr<QThread> thread_;
  SoundWorker* worker_ = nullptr;  // lives on thread_
};

}  // namespace kes
