#pragma once

#include "catalogue_compiler/game_source.h"
#include "help_generator/help_page.h"

namespace kes::help {

// The rules page of a catalogue game (topic 3000 + its number): its rules
// paragraph, the summary of its parameters, how it is won and, when
// previewFile is not empty, the picture of its opening table.
HelpPage rulesPage(const catalogue::GameSource& game, const std::string& previewFile);

}  // namespace kes::help
