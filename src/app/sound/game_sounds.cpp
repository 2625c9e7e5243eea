#include "game_sounds.h"

#include "datafiles/config_field.h"
#include "datafiles/config_record.h"
#include "display/sound/sound_player.h"
#include "display/table/table_widget.h"

namespace kes {

namespace {

constexpr const char* kRedeal = "Redeal.wav";

bool sameName(const std::string& a, const char* b) { return QString::fromStdString(a).compare(QLatin1String(b), Qt::CaseInsensitive) == 0; }

}  // namespace

GameSounds::GameSounds(SoundPlayer& player, TableWidget& table, const ConfigRecord& config)
    : player_(player), table_(table), config_(config) {}

void GameSounds::sound(const std::string& file, const std::string& switchKey) {
  if (turnover_ && sameName(file, kRedeal)) {
    // Looped while the waste flies back, and only when it flies.
    if (!table_.animation.redealAnimation) return;
    turnoverLooping_ = true;
    afterTable([this, file, switchKey] { player_.loop(QString::fromStdString(file), switchKey); });
    return;
  }
  afterTable([this, file, switchKey] { player_.play(QString::fromStdString(file), switchKey); });
}

void GameSounds::afterTable(std::function<void()> step) {
  table_.whenIdle([alive = std::weak_ptr<int>(alive_), step = std::move(step)] {
    if (!alive.expired()) step();
  });
}

void GameSounds::newGame() { player_.playAndWait(QStringLiteral("New"), Field::SoundNewGame.preferenceKey); }

void GameSounds::wasteTurnover(bool starting) {
  turnover_ = starting;
  if (starting || !turnoverLooping_) return;
  turnoverLooping_ = false;
  afterTable([this] { player_.stop(); });
}

void GameSounds::dealAnimated() {
  if (!table_.animating()) return;
  player_.loop(QStringLiteral("Shuffle"), Field::SoundShuffle.preferenceKey);
  afterTable([this] { player_.stop(); });
}

bool GameSounds::shadowed() const { return config_.get(Field::CardsShadowed) != "N"; }

void GameSounds::cardsLifted() {
  if (shadowed()) player_.play(QStringLiteral("card_up.wav"), Field::SoundCardUp.preferenceKey);
}

void GameSounds::cardsPutBack() {
  if (shadowed()) player_.play(QStringLiteral("card_down.wav"), Field::SoundCardDown.preferenceKey);
}

void playHiScoreSound(SoundPlayer& player, bool newEntry) {
  if (newEntry && player.allowed(Field::SoundNewHiScores.preferenceKey))
    return player.play(QStringLiteral("Scores.wav"), Field::SoundNewHiScores.preferenceKey);
  player.play(QStringLiteral("Hi-Scor"), Field::SoundHiScores.preferenceKey);
}

}  // namespace kes
