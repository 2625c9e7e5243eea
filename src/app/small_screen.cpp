#include "small_screen.h"

#include "datafiles/config_field.h"

namespace kes {

namespace {

void forceMediumCards(ConfigRecord& config) {
  config.put(Field::SavedCardSize, config.get(Field::CardSize));
  config.put(Field::SavedFaceSet, config.get(Field::FaceSet));
  config.put(Field::SavedBackDesign, config.get(Field::BackDesign));
  config.put(Field::FaceSet, "003");
  config.put(Field::BackDesign, "006");
  config.put(Field::CardSize, "M");
}

void restoreChosenCards(ConfigRecord& config) {
  if (config.get(Field::SavedFaceSet).empty()) return;
  config.put(Field::CardSize, config.get(Field::SavedCardSize));
  config.put(Field::FaceSet, config.get(Field::SavedFaceSet));
  config.put(Field::BackDesign, config.get(Field::SavedBackDesign));
  config.put(Field::SavedCardSize, "");
  config.put(Field::SavedFaceSet, "");
  config.put(Field::SavedBackDesign, "");
}

}  // namespace

SmallScreenOutcome applySmallScreenRule(AppContext& app, const GameParams& params, int displayWidth) {
  SmallScreenOutcome outcome;
  outcome.narrow = displayWidth < kNarrowDisplayWidth && params[Param::NeedsWideDisplay] == 1;
  if (!outcome.narrow) {
    restoreChosenCards(app.config);
    return outcome;
  }
  if (app.config.get(Field::CardSize) != "B")
    app.screenWarningState = ScreenWarningState::Handled;
  else
    forceMediumCards(app.config);
  if (app.screenWarningState == ScreenWarningState::MayAct) {
    app.screenWarningState = ScreenWarningState::Handled;
    outcome.showMessage = !app.screenWarningShown;
    app.screenWarningShown = true;
  }
  return outcome;
}

std::string smallScreenMessage(const std::string& gameTitle) {
  std::string title = gameTitle;
  while (!title.empty() && title.back() == ' ') title.pop_back();
  return "Your video card runs at 640x480 pixels.\rFor best graphics display, screen resolution should be set to "
         "800x600 pixels or higher. However, it's possible to play " +
         title + " " + "using a predefined card and deck set.";
}

}  // namespace kes
