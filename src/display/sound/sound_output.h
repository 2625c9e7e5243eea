#pragma once

#include <QString>

namespace kes {

// Where sounds go: the sound device, or a recorder in tests. Files are full
// paths of readable wave files; a new sound replaces the one playing.
class SoundOutput {
 public:
  virtual ~SoundOutput() = default;
  // Starts the sound and returns at once.
  virtual void play(const QString& file) = 0;
  // Returns when the sound has played (or at once when nothing can play);
  // `milliseconds` is the sound's length.
  virtual void playAndWait(const QString& file, int milliseconds) = 0;
  // Plays the sound over and over until stopped or replaced.
  virtual void loop(const QString& file) = 0;
  virtual void stop() = 0;
};

// Plays nothing: the output until a real one is given.
class SilentSoundOutput : public SoundOutput {
 public:
  void play(const QString&) override {}
  void playAndWait(const QString&, int) override {}
  void loop(const QString&) override {}
  void stop() override {}
};

}  // namespace kes
