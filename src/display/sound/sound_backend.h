#pragma once

#include <QString>

namespace kes {

// What the loadable sound module offers: the device side of the system
// sound output. It lives on the sound thread and is only called there.
class SoundBackend {
 public:
  virtual ~SoundBackend() = default;
  // Starts a file once or looped; false when nothing can play (no device).
  virtual bool play(const QString& file, bool looped) = 0;
  virtual void stop() = 0;
};

// The module's one exported function, looked up by this name; it returns a
// new backend, or null when the machine has no sound device.
using MakeSoundBackend = SoundBackend* (*)();
inline constexpr const char* kMakeSoundBackendSymbol = "kestrovaMakeSoundBackend";
inline constexpr const char* kSoundModuleName = "kestrova-sound";

}  // namespace kes
