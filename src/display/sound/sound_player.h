#pragma once

#include <QHash>
#include <memory>
#include <string>
#include <string_view>

#include "display/sound/sound_files.h"
#include "display/sound/sound_output.h"

namespace kes {

class ConfigRecord;

// The program's sound effects under their switches. A sound plays only when
// the master switch "Sounds_Enabled" and the event's own switch (a
// preference key such as "Sounds_Stock") both hold "Y"; an empty switch key
// means the master switch alone. Names are found in the SOUNDS folder
// without regard to case and with or without ".wav" ("Stock", "stock.wav").
// A missing, empty or damaged file plays nothing but still ends the sound
// playing, as any new sound would. Nothing is ever reported.
//
// For the appearance dialog's sound list: preview(name) plays a row's
// sound whatever its event switch says, and preview("_t1dz") (a name with
// no file) stops what is playing.
class SoundPlayer {
 public:
  SoundPlayer(const ConfigRecord& config, const QString& soundsFolder);

  // Where the sounds go; silence until one is given.
  void setOutput(std::unique_ptr<SoundOutput> output);
  SoundOutput& output() { return *output_; }

  void play(const QString& name, std::string_view switchKey = {});
  // Returns once the sound has played; only for very short sounds ("New").
  void playAndWait(const QString& name, std::string_view switchKey = {});
  // Repeats the sound until stop() or another sound.
  void loop(const QString& name, std::string_view switchKey = {});
  // Ends the sound playing; nothing when the master switch is off.
  void stop();
  void preview(const QString& name) { play(name); }

  // Whether the master switch and the given event switch are on.
  bool allowed(std::string_view switchKey) const;

 private:
  enum class Way { Once, Wait, Loop };
  void start(const QString& name, std::string_view switchKey, Way way);
  struct Found {
    QString file;  // empty: nothing to play
    int milliseconds = 0;
  };
  const Found& lookUp(const QString& name);

  const ConfigRecord& config_;
  SoundFiles files_;
  std::unique_ptr<SoundOutput> output_;
  QHash<QString, Found> found_;
};

}  // namespace kes
