#pragma once

#include <QString>
#include <string>

namespace kes {

class SelectionHost;

// Which dialog asks to delete a custom game: the question differs when the
// game is being played.
enum class DeletionAsker { GameSelection, RuleCustomization };

QString deletionQuestion(const std::string& name, bool current, DeletionAsker asker);

// Deletes a custom game after the player agreed: the game is closed when it
// is being played, its record, favourite entry, statistics and hi-scores
// go, the counters start afresh and the folders and the favourites menu
// follow. False when the player said No or the record could not be removed.
bool deleteCustomGame(SelectionHost& host, int number, const std::string& name, DeletionAsker asker);

}  // namespace kes
