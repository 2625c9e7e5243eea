// The sound module: plays wave files on the machine's sound device through
// Qt Multimedia. It is a library of its own, loaded by the program with the
// first sound, so that the multimedia libraries cost nothing at start-up.
#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>
#include <map>
#include <memory>

#include "display/sound/sound_backend.h"

namespace kes {

namespace {

class QtSoundBackend : public SoundBackend {
 public:
  bool play(const QString& file, bool looped) override {
    stop();
    QSoundEffect& sound = effect(file);
    sound.setLoopCount(looped ? QSoundEffect::Infinite : 1);
    sound.play();
    playing_ = &sound;
    return true;
  }

  void stop() override {
    if (playing_) playing_->stop();
    playing_ = nullptr;
  }

 private:
  // Each file is decoded once and kept for the next time.
  QSoundEffect& effect(const QString& file) {
    std::unique_ptr<QSoundEffect>& slot = effects_[file];
    if (!slot) {
      slot = std::make_unique<QSoundEffect>();
      slot->setSource(QUrl::fromLocalFile(file));
    }
    return *slot;
  }

  std::map<QString, std::unique_ptr<QSoundEffect>> effects_;
  QSoundEffect* playing_ = nullptr;
};

}  // namespace

}  // namespace kes

extern "C" Q_DECL_EXPORT kes::SoundBackend* kestrovaMakeSoundBackend() {
  if (QMediaDevices::audioOutputs().isEmpty()) return nullptr;
  return new kes::QtSoundBackend();
}
