#include "sound_player.h"

#include "datafiles/config_field.h"
#include "datafiles/config_record.h"
#include "display/sound/wave_info.h"

namespace kes {

namespace {

// The record field a switch key is loaded into.
const ConfigField* switchField(std::string_view key) {
  for (const ConfigField& field : allConfigFields())
    if (field.preferenceKey == key) return &field;
  return nullptr;
}

}  // namespace

SoundPlayer::SoundPlayer(const ConfigRecord& config, const QString& soundsFolder)
    : config_(config), files_(soundsFolder), output_(std::make_unique<SilentSoundOutput>()) {}

void SoundPlayer::setOutput(std::unique_ptr<SoundOutput> output) {
  output_ = output ? std::move(output) : std::make_unique<SilentSoundOutput>();
}

bool SoundPlayer::allowed(std::string_view switchKey) const {
  if (config_.get(Field::SoundsEnabled) != "Y") return false;
  if (switchKey.empty()) return true;
  const ConfigField* field = switchField(switchKey);
  return field && config_.get(*field) == "Y";
}

const SoundPlayer::Found& SoundPlayer::lookUp(const QString& name) {
  const QString key = name.toLower();
  auto at = found_.find(key);
  if (at == found_.end()) {
    Found found;
    const QString file = files_.find(name);
    if (!file.isEmpty()) {
      if (const auto length = waveLength(file)) found = {file, *length};
    }
    at = found_.insert(key, found);
  }
  return *at;
}

void SoundPlayer::start(const QString& name, std::string_view switchKey, Way way) {
  if (!allowed(switchKey)) return;
  const Found& found = lookUp(name);
  if (found.file.isEmpty()) return output_->stop();
  switch (way) {
    case Way::Once: return output_->play(found.file);
    case Way::Wait: return output_->playAndWait(found.file, found.milliseconds);
    case Way::Loop: return output_->loop(found.file);
  }
}

void SoundPlayer::play(const QString& name, std::string_view switchKey) { start(name, switchKey, Way::Once); }

void SoundPlayer::playAndWait(const QString& name, std::string_view switchKey) { start(name, switchKey, Way::Wait); }

void SoundPlayer::loop(const QString& name, std::string_view switchKey) { start(name, switchKey, Way::Loop); }

void SoundPlayer::stop() {
  if (config_.get(Field::SoundsEnabled) == "Y") output_->stop();
}

}  // namespace kes
