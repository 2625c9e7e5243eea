#include "preference_table.h"

#include <array>
#include <optional>
#include <string>

#include "datafiles/pad.h"
#include "datafiles/whole_number.h"

namespace kes {

namespace {

using F = PreferenceFormat;
using D = PreferenceDefault;

constexpr std::array kRules{
    PreferenceRule{&Field::ShowToolTips, "Y"},
    PreferenceRule{&Field::BackDesign, "11", F::Padded},
    PreferenceRule{&Field::FaceSet, "1", F::Padded, D::FaceSetForDisplay},
    PreferenceRule{&Field::CardSize, "B"},
    PreferenceRule{&Field::BackgroundBitmap, ""},
    PreferenceRule{&Field::BackgroundFixedColour, "32768", F::Decimal},
    PreferenceRule{&Field::BackgroundColour, "-2147483633", F::Decimal},
    PreferenceRule{&Field::UseDefaultBackground, "N"},
    PreferenceRule{&Field::FadeBackground, "Y"},
    PreferenceRule{&Field::CustomBackgroundSet, "", F::Presence},
    PreferenceRule{&Field::CurrentGame, "1", F::Padded},
    PreferenceRule{&Field::GameTitle, "FreeCell"},
    PreferenceRule{&Field::ShowTime, "Y"},
    PreferenceRule{&Field::ShowScore, "Y"},
    PreferenceRule{&Field::CardsAnimate, "Y"},
    PreferenceRule{&Field::CardsShadowed, "", F::Text, D::SameAsCardsAnimate},
    PreferenceRule{&Field::IrregularPiles, "N"},
    PreferenceRule{&Field::AutomaticFaceUp, "Y"},
    PreferenceRule{&Field::DealAnimation, "Y"},
    PreferenceRule{&Field::RedealAnimation, "Y"},
    PreferenceRule{&Field::LanguageBase, "20000", F::Decimal},
    PreferenceRule{&Field::MoveSpeed, "10", F::Decimal},
    PreferenceRule{&Field::ShowStatusBar, "N"},
    PreferenceRule{&Field::PlayerName, ""},
    PreferenceRule{&Field::UndoMode, "0"},
    PreferenceRule{&Field::WinningAnimation, "Y"},
    PreferenceRule{&Field::ConfirmQuitGame, "Y"},
    PreferenceRule{&Field::ConfirmEnterHiScores, "Y"},
    PreferenceRule{&Field::SoundsEnabled, "Y"},
    PreferenceRule{&Field::SoundAbout, "Y"},
    PreferenceRule{&Field::SoundAutoplay, "Y"},
    PreferenceRule{&Field::SoundCardDown, "Y"},
    PreferenceRule{&Field::SoundCardUp, "Y"},
    PreferenceRule{&Field::SoundNewHiScores, "Y"},
    PreferenceRule{&Field::SoundFaceUp, "Y"},
    PreferenceRule{&Field::SoundGameWon, "Y"},
    PreferenceRule{&Field::SoundHiScores, "Y"},
    PreferenceRule{&Field::SoundNewGame, "Y"},
    PreferenceRule{&Field::SoundPairing, "Y"},
    PreferenceRule{&Field::SoundRedeal, "Y"},
    PreferenceRule{&Field::SoundRedo, "Y"},
    PreferenceRule{&Field::SoundRestart, "Y"},
    PreferenceRule{&Field::SoundShuffle, "Y"},
    PreferenceRule{&Field::SoundSplash, "Y"},
    PreferenceRule{&Field::SoundStock, "Y"},
    PreferenceRule{&Field::SoundFoundation, "Y"},
    PreferenceRule{&Field::SoundTableau, "Y"},
    PreferenceRule{&Field::SoundUndo, "Y"},
    PreferenceRule{&Field::RandomBackground, "N"},
    PreferenceRule{&Field::RandomFaceSet, "N"},
    PreferenceRule{&Field::RandomBackDesign, "N"},
    PreferenceRule{&Field::VertScrollBar, "Y"},
    PreferenceRule{&Field::ShowPileSizes, "Y"},
    PreferenceRule{&Field::CursorSet, "11", F::Decimal},
};

// The face set of a display that cannot show the finer card faces.
constexpr std::string_view kLowColourFaceSet = "3";
// Medium and little cards exist with one back only.
constexpr std::string_view kSmallCardsBackDesign = "006";
constexpr std::string_view kBigCards = "B";
constexpr std::string_view kButtonFaceColour = "-2147483633";

// The field's text for a number, or nothing when the field cannot hold it.
std::optional<std::string> numberText(long long n, const PreferenceRule& rule) {
  const int width = rule.field->length;
  std::string text = rule.format == F::Padded ? pad(n, width) : std::to_string(n);
  if (text.size() > static_cast<std::size_t>(width) || text.find('*') != std::string::npos) return std::nullopt;
  return text;
}

std::string fieldText(const PreferenceRule& rule, const std::optional<std::string>& stored, std::string_view fallback) {
  switch (rule.format) {
    case F::Text:
      return stored ? *stored : std::string(fallback);
    case F::Presence:
      return stored && !stored->empty() ? "Y" : "N";
    case F::Padded:
    case F::Decimal:
      break;
  }
  if (stored) {
    if (const auto n = wholeNumber(*stored)) {
      if (auto text = numberText(*n, rule)) return *text;
    }
  }
  return numberText(wholeNumber(fallback).value_or(0), rule).value_or(std::string(fallback));
}

std::string_view fallbackFor(const PreferenceRule& rule, const DisplayInfo& display, const ConfigRecord& record,
                             std::string& scratch) {
  switch (rule.defaultFrom) {
    case D::FaceSetForDisplay:
      return isLowColourDisplay(display) ? kLowColourFaceSet : rule.fallback;
    case D::SameAsCardsAnimate:
      scratch = record.get(Field::CardsAnimate);
      return scratch;
    case D::Fixed:
      break;
  }
  return rule.fallback;
}

bool readsAsZero(const ConfigRecord& record, const ConfigField& field) {
  const auto n = wholeNumber(record.get(field));
  return n && *n == 0;
}

// The working values of fields whose stored value would leave the table
// without a back, a colour or a background.
void applyFieldRules(ConfigRecord& record) {
  if (record.get(Field::CardSize) != kBigCards) record.put(Field::BackDesign, kSmallCardsBackDesign);
  record.put(Field::ScoringSystem, "01");
  if (readsAsZero(record, Field::BackDesign)) record.put(Field::BackDesign, "001");
  if (readsAsZero(record, Field::BackgroundColour)) record.put(Field::BackgroundColour, kButtonFaceColour);
  if (record.get(Field::BackgroundBitmap).empty()) record.put(Field::BackgroundBitmap, "0");
  record.resetCurrentCounters();
}

}  // namespace

std::span<const PreferenceRule> preferenceRules() { return kRules; }

void loadPreferences(const IniDocument& settings, const DisplayInfo& display, ConfigRecord& record) {
  std::string scratch;
  for (const PreferenceRule& rule : kRules) {
    const auto stored = settings.value(kPreferenceSection, rule.key());
    record.put(*rule.field, fieldText(rule, stored, fallbackFor(rule, display, record, scratch)));
  }
  applyFieldRules(record);
}

WindowOptions loadWindowOptions(const IniDocument& settings, const ConfigRecord& record) {
  const auto onUnlessNo = [&](std::string_view key) { return settings.stringValue(kPreferenceSection, key, "Y") != "N"; };
  WindowOptions options;
  options.toolbarVisible = onUnlessNo("ToolBar_Visible");
  options.toolbarLarge = settings.stringValue(kPreferenceSection, "ToolBar_Large", "N") == "Y";
  options.toolbarFlat = onUnlessNo("ToolBar_Flat");
  options.showTime = record.get(Field::ShowTime) != "N";
  options.showScore = record.get(Field::ShowScore) != "N";
  options.showToolTips = record.get(Field::ShowToolTips) != "N";
  options.showStatusBar = record.get(Field::ShowStatusBar) != "N";
  options.autoPlay = settings.stringValue(kPreferenceSection, "AutoPlay", "Y") == "Y";
  options.cursorSet = static_cast<int>(wholeNumber(record.get(Field::CursorSet)).value_or(options.cursorSet));
  return options;
}

}  // namespace kes
