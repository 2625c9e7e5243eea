#include "app/window/menu_table.h"

#include <array>

namespace kes {

namespace {

constexpr MenuKind M = MenuKind::Menu;
constexpr MenuKind I = MenuKind::Item;
constexpr MenuKind S = MenuKind::Separator;
constexpr bool kShown = true;
constexpr bool kHidden = false;
constexpr bool kGame = true;
constexpr bool kOther = false;

constexpr std::array kMainMenu{
    MenuEntry{M, "mnuPartita", "", "&File", "", kShown, kOther, nullptr},
    MenuEntry{I, "mnuNew", "mnuPartita", "&New game", "F2", kShown, kGame, nullptr},
    MenuEntry{I, "mnuOpen", "mnuPartita", "&Open a game", "Ctrl+F12", kShown, kOther, nullptr},
    MenuEntry{I, "mnuRestartGame", "mnuPartita", "&Restart game", "Ctrl+F2", kShown, kGame, nullptr},
    MenuEntry{I, "mnuSelect", "mnuPartita", "S&elect a game number...", "F3", kShown, kGame, nullptr},
    MenuEntry{I, "mnuRandomGame", "mnuPartita", "Rand&om game", "", kShown, kOther, nullptr},
    MenuEntry{S, "sepFile1", "mnuPartita", "", "", kShown, kOther, nullptr},
    MenuEntry{I, "mnuSave", "mnuPartita", "&Save...", "Shift+Ctrl+F12", kShown, kGame, nullptr},
    MenuEntry{S, "sepFile2", "mnuPartita", "", "", kShown, kOther, nullptr},
    MenuEntry{I, "mnuPlayers", "mnuPartita", "&Players...", "Ctrl+L", kShown, kOther, nullptr},
    MenuEntry{S, "sepFile3", "mnuPartita", "", "", kShown, kOther, nullptr},
    MenuEntry{I, "mnuEsci", "mnuPartita", "E&xit", "", kShown, kOther, nullptr},

    MenuEntry{M, "mnuGameMenu", "", "&Game", "", kShown, kOther, nullptr},
    MenuEntry{I, "mnuUndo", "mnuGameMenu", "&Undo", "Ctrl+Z", kShown, kGame, nullptr},
    MenuEntry{I, "mnuRedo", "mnuGameMenu", "&Redo", "Ctrl+Y", kShown, kGame, nullptr},
    MenuEntry{I, "mnuHint", "mnuGameMenu", "&Hint", "H", kShown, kGame, nullptr},
    MenuEntry{S, "sepGame1", "mnuGameMenu", "", "", kShown, kOther, nullptr},
    MenuEntry{I, "mnuPause", "mnuGameMenu", "P&ause", "Ctrl+P", kShown, kGame, nullptr},
    MenuEntry{I, "mnuQuitGame", "mnuGameMenu", "&Quit game", "Ctrl+Q", kShown, kGame, nullptr},
    MenuEntry{I, "Snapshotposition1", "mnuGameMenu", "S&napshot position", "F5", kHidden, kOther, nullptr},
    MenuEntry{I, "Gotosnapshot1", "mnuGameMenu", "U&ndo to snapshot", "Ctrl+F5", kHidden, kOther, nullptr},
    MenuEntry{S, "sepGame2", "mnuGameMenu", "", "", kShown, kOther, nullptr},
    MenuEntry{I, "mnuAutoPlay", "mnuGameMenu", "Au&toplay", "F7", kShown, kGame, nullptr},
    MenuEntry{I, "mnuDemo", "mnuGameMenu", "&Demo", "Ctrl+D", kHidden, kGame, "demo"},

    MenuEntry{M, "mnuStatistics", "", "&Statistics", "", kShown, kOther, nullptr},
    MenuEntry{I, "mnuGameStatistics", "mnuStatistics", "&Game statistics...", "F4", kShown, kOther, nullptr},
    MenuEntry{I, "mnuPlayersStatistics", "mnuStatistics", "&Players statistics...", "", kShown, kOther,
              nullptr},
    MenuEntry{I, "mnuAllGamesStatistics", "mnuStatistics", "&All games statistics...", "", kShown, kOther,
              nullptr},
    MenuEntry{I, "mnuLogStatistics", "mnuStatistics", "&Log statistics...", "", kShown, kOther, nullptr},
    MenuEntry{S, "sepStatistics1", "mnuStatistics", "", "", kShown, kOther, nullptr},
    MenuEntry{I, "mnuHiScores", "mnuStatistics", "&Hi-Scores...", "F9", kShown, kOther, nullptr},
    MenuEntry{I, "mnuOverallScore", "mnuStatistics", "Overall score...", "", kShown, kOther, nullptr},

    MenuEntry{M, "mnuTournament", "", "&Tournament", "", kHidden, kOther, nullptr},
    MenuEntry{I, "mnuTournamentManager", "mnuTournament", "&Tournament manager...", "", kShown, kOther, nullptr},
    MenuEntry{I, "mnuPlayTournament", "mnuTournament", "&Play tournament...", "Ctrl+Y", kShown, kOther, nullptr},
    MenuEntry{I, "mnuNextGame", "mnuTournament", "&Next game", "Ctrl+N", kShown, kOther, nullptr},
    MenuEntry{I, "mnuTournamentScore", "mnuTournament", "&Tournament score...", "", kShown, kOther, nullptr},
    MenuEntry{I, "mnuEndTournament", "mnuTournament", "&End tournament", "", kShown, kOther, nullptr},

    MenuEntry{M, "mnuOpzioni", "", "&Tools", "", kShown, kOther, nullptr},
    MenuEntry{I, "mnuCustomize", "mnuOpzioni", "C&ustomize...", "Ctrl+U", kShown, kOther, nullptr},
    MenuEntry{I, "Selectthemes1", "mnuOpzioni", "&Select themes...", "", kHidden, kOther, nullptr},
    MenuEntry{I, "mnuCustomizeRules", "mnuOpzioni", "Customize &rules...", "Ctrl+R", kShown, kGame, nullptr},
    MenuEntry{I, "mnuFavoriteGames", "mnuOpzioni", "&Favorite games...", "Ctrl+F", kShown, kOther, nullptr},
    MenuEntry{I, "mnuCardCounter", "mnuOpzioni", "&Card counter...", "F8", kShown, kOther, nullptr},

    MenuEntry{M, "mnuAiuto", "", "&?", "", kShown, kOther, nullptr},
    MenuEntry{I, "mnuRules", "mnuAiuto", "&Rules", "F1", kShown, kGame, "rules help"},
    MenuEntry{I, "Sommario1", "mnuAiuto", "&Contents", "", kShown, kOther, "rules help"},
    MenuEntry{S, "sepHelp1", "mnuAiuto", "", "", kShown, kOther, nullptr},
    MenuEntry{I, "mnuTips", "mnuAiuto", "&Tip of the Day...", "", kShown, kOther, nullptr},
    // No web site yet, so the web links stay out of sight.
    MenuEntry{M, "mnuKestrovaontheWeb", "mnuAiuto", "[Program] on the &Web...", "", kHidden, kOther, "web site"},
    MenuEntry{I, "mnuUpdate", "mnuKestrovaontheWeb", "[Program] &Update...", "", kShown, kOther, "web site"},
    MenuEntry{I, "mnuNewsletter", "mnuKestrovaontheWeb", "&Newsletter...", "", kShown, kOther, "web site"},
    MenuEntry{I, "mnuPublishScore", "mnuKestrovaontheWeb", "Publishing your Overall Score on the Internet...", "",
              kShown, kOther, "web site"},
    MenuEntry{I, "mnuChampions", "mnuKestrovaontheWeb", "Check out \"[Program_sw] Champions\" on the Web...", "",
              kShown, kOther, "web site"},
    MenuEntry{S, "sepHelp2", "mnuAiuto", "", "", kShown, kOther, nullptr},
    MenuEntry{I, "Informazionisu1", "mnuAiuto", "A&bout...", "", kShown, kOther, nullptr},
};

constexpr std::array kPopups{
    PopupEntry{"popTB", "Largeicons1", "Large icons"},
    PopupEntry{"popTB", "Smallicons1", "Small icons"},
    PopupEntry{"popTB", "Buttonflat1", "Flat button"},
    PopupEntry{"popTB", "Buttonnoflat1", "No flat button"},
    PopupEntry{"popTB", "mnuShowTime", "Show time"},
    PopupEntry{"popTB", "mnuShowScore", "Show score"},
    PopupEntry{"popTime", "mnuHideTime", "&Hide"},
    PopupEntry{"popScore", "mnuHideScore", "Hide"},
};

}  // namespace

std::span<const MenuEntry> mainMenuTable() { return kMainMenu; }

std::span<const PopupEntry> popupMenuTable() { return kPopups; }

}  // namespace kes
