#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "help_generator/help_page.h"

namespace kes::help {

// A page written by hand in data/help: the file "NNNN-words.html" holds the
// body of topic NNNN, whose first <h1> is its title; a comment line
// "<!-- keywords: a, b -->" adds index entries. nullopt, with the reason in
// error, when the name has no topic number, the topic is one of the game
// rules topics, or the body has no title.
std::optional<HelpPage> dialogPage(std::string_view fileName, std::string_view text, std::string& error);

}  // namespace kes::help
