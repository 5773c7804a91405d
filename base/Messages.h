#pragma once

// The program's own fixed texts, in one place so that the windows and batch mode say the same
// bytes. Texts the user knows from the emulator's world are kept exactly as they have always
// read, spelling included.

#include <string_view>

namespace corvane::Messages
{

inline constexpr std::string_view APP_TITLE = "Corvane";
inline constexpr std::string_view MAIN_CAPTION = "Corvane Control Configuration Manager";
inline constexpr std::string_view GROUP_CAPTION = "Drag Roms Back and Forth to Change Grouping";
inline constexpr std::string_view KEYS_CAPTION = "Press The Key You Wish to Bind";

inline constexpr std::string_view EMULATOR_MISSING =
    "Zinc.exe Not Found, Copy this app and all it's folders to your zinc directory and launch "
    "from there.";
inline constexpr std::string_view ALL_CHANGES_SAVED = "All Changes Saved";
inline constexpr std::string_view WRAPPER_NOT_FOUND =
    "Wrapper Not Found, Please Download the Generic Command Line Wrapper and Place it in this "
    "folder.";
inline constexpr std::string_view DEFAULT_CFG_CREATED = "zinc.cfg not found, default cfg created";
// The key dialog's name line for a slot that holds no key yet.
inline constexpr std::string_view PRESS_A_KEY = "Press a key";
// What a screen reader hears when the key dialog opens on a slot that holds a key: the key.
inline constexpr std::string_view KEY_NOW_BOUND = "Current key: ";
// The key dialog's line for a key the emulator cannot read; the dialog stays open.
inline constexpr std::string_view KEY_CANNOT_BE_BOUND = "Cannot bind this key. Press another.";
// The key dialog's line on how it is used and left, the same after a clash, and its button.
inline constexpr std::string_view KEYS_HINT =
    "Every key binds, Escape too. Alt+F4 or Close keeps the current key; Delete or right-click "
    "on the button clears it.";
inline constexpr std::string_view KEYS_CLASH_HINT =
    "Press another key to replace it, or close to keep it (Alt+F4 or Close).";
inline constexpr std::string_view KEYS_CLOSE = "Close";
// The two more ways out of a clash, and the line that names their keys.
inline constexpr std::string_view KEYS_SWAP = "Swap";
inline constexpr std::string_view KEYS_UNBIND_OTHER = "Unbind the Other";
inline constexpr std::string_view KEYS_CLASH_WAYS_HINT =
    "Alt+W or Swap gives the other input this one's old key; Alt+U or Unbind the Other leaves it "
    "without a key.";
// Marks the title of a window whose changes are not saved yet.
inline constexpr std::string_view UNSAVED_MARK = "*";
inline constexpr std::string_view UNSAVED_QUESTION =
    "Some changes are not saved yet. Save them before closing?";
// Before a launch while changes wait: the game reads its keys from the files.
inline constexpr std::string_view LAUNCH_UNSAVED_QUESTION =
    "Some changes are not saved yet, and the game would start with the keys last saved.";
inline constexpr std::string_view SAVE_AND_LAUNCH = "Save and launch";
inline constexpr std::string_view LAUNCH_WITH_SAVED = "Launch with the saved keys";
inline constexpr std::string_view CANCEL = "Cancel";
// The last line of a binding button's tooltip.
inline constexpr std::string_view CLEAR_HINT = "Delete or right-click to clear";
inline constexpr std::string_view CLEAR_HINT_FAMILY = "Delete or right-click to use the family key";

// Names a screen reader gives controls that have no caption or label of their own, and the
// grouping window's keyboard menu.
inline constexpr std::string_view ERROR_OUTPUT_NAME = "Plugin error output";
inline constexpr std::string_view ERROR_OUTPUT_TIP =
    "The controller plugin's error output setting, saved as \"output\" in allcfg.ini";
inline constexpr std::string_view GROUP_ENTRY_UNKNOWN =
    "No game of the emulator's list has this set name";
inline constexpr std::string_view GAME_LIST_NAME = "Games";
inline constexpr std::string_view MOVE_TO = "Move to";
inline constexpr std::string_view GROUP_KEYBOARD_WAY =
    "Ctrl+1 to Ctrl+5, or the Move to menu (menu key or Shift+F10), move the selected game";

// Problems the program reports in a warning (window) or one stderr line (batch mode).
inline constexpr std::string_view LISTING_TIMED_OUT =
    "The emulator's listing did not finish in time and was stopped";
inline constexpr std::string_view LISTING_NOT_STARTED = "The emulator's listing could not be run";
inline constexpr std::string_view LISTING_CRASHED =
    "The emulator's listing ended abnormally before it finished";
inline constexpr std::string_view GAME_LIST_INCOMPLETE =
    "The emulator's game list is incomplete, so this file was not written";
inline constexpr std::string_view GAME_LIST_UNREADABLE =
    "The emulator's game list could not be read, so no games are listed";
inline constexpr std::string_view SET_LIST_UNREADABLE =
    "The emulator's set list could not be read, so no DAT was written";
inline constexpr std::string_view OPTION_LIST_UNREADABLE =
    "The emulator's option list could not be read, so no default zinc.cfg was made";
inline constexpr std::string_view FILE_NOT_WRITTEN = "Could not write";
inline constexpr std::string_view FILE_NOT_READ = "Could not read";
// A file the player made read-only is left as it is, and a save still counts as done.
inline constexpr std::string_view FILE_PROTECTED = "Read-only, so left as it is";
inline constexpr std::string_view SAVED_EXCEPT_PROTECTED =
    "All changes were saved, except into these files, which are read-only and were left as "
    "they are:";
inline constexpr std::string_view FOLDER_NOT_CREATED = "Could not create the folder";
inline constexpr std::string_view SAVE_INCOMPLETE = "Some changes could not be saved:";
inline constexpr std::string_view BAD_SET_NAME = "Skipped a set name that is not a plain file name";
inline constexpr std::string_view LAUNCH_FAILED = "The game could not be started";
// Why a program could not be started, each followed by the file it concerns.
inline constexpr std::string_view START_FILE_MISSING = "there is no such file";
inline constexpr std::string_view START_NOT_EXECUTABLE =
    "the file may not be run (it is not marked as a program, or access to it is denied)";
inline constexpr std::string_view START_NOT_A_PROGRAM =
    "the file is not a program this system can run";
inline constexpr std::string_view START_REFUSED = "the system refused to start it";
// The main window's status line after a launch: "Started Street Fighter EX (sfexu)".
inline constexpr std::string_view LAUNCH_STARTED = "Started";
inline constexpr std::string_view LAUNCH_NOT_STARTED = "Not started:";
inline constexpr std::string_view LAUNCH_BAD_ENTRY =
    "The game could not be started: its entry in the emulator's game list holds characters "
    "that cannot be passed on a command line";
inline constexpr std::string_view LAUNCH_PATH_SPLIT =
    "The game could not be started: its controller file's path would not reach the emulator as "
    "one argument on this command line (a double quote in the folder's name, or an unclosed "
    "quote in the options)";
inline constexpr std::string_view SCAN_REFUSED =
    "Scan For Changes needs the emulator's full game list, and this run has none (the listing "
    "failed or holds no game), so the groupings were left as they are";
inline constexpr std::string_view TEXT_OUTSIDE_CODE_PAGE =
    "The options text holds characters outside the system's code page, which would name other "
    "files; nothing was saved or started. Change them, then try again.";
inline constexpr std::string_view EDITOR_FAILED = "The text editor could not be started";
// The status line after the listing that runs behind a window shown from the last one.
inline constexpr std::string_view GAME_LIST_UPDATED =
    "zinc.exe lists other games than at the last start: the game list is updated";
inline constexpr std::string_view GAME_LIST_NOT_UPDATED =
    "The game list could not be checked, the last one is kept:";
inline constexpr std::string_view GAME_LIST_CHECK_PROBLEM = "The game list is up to date, but:";
// What start-up waits for when the emulator's game list takes a while.
inline constexpr std::string_view WAITING_FOR_GAME_LIST =
    "Waiting for zinc.exe to list its games...";
inline constexpr std::string_view WAITING_FOR_WINE =
    "Waiting for zinc.exe to list its games through Wine (the first run in a new Wine prefix "
    "takes several seconds)...";
inline constexpr std::string_view WAITING_FOR_WINE_START = "Waiting for Wine to start zinc.exe...";
inline constexpr std::string_view WAITING_FOR_OPTIONS =
    "Waiting for zinc.exe to list its options...";
// Off Windows: no opener or editor could open the file; what would make one work.
inline constexpr std::string_view NO_TEXT_EDITOR =
    "No text editor could open this file. Install xdg-utils (for xdg-open) or a text editor such "
    "as mousepad or gedit, or set VISUAL or EDITOR to the editor you use";
inline constexpr std::string_view RENDERER_CONFIG_MISSING =
    "There is no renderer.cfg to edit: the file does not exist";
// A Windows zinc.exe on a system that needs Wine to run it, and none that can be run.
inline constexpr std::string_view WINE_MISSING =
    "zinc.exe is a Windows program; install Wine to run it from Linux";
inline constexpr std::string_view WINE_VARIABLE_UNUSABLE =
    "zinc.exe is a Windows program, and CORVANE_WINE does not name a program that can run it; "
    "install Wine and set CORVANE_WINE to its wine program, or unset it";
// A run through Wine that failed without output. The 32-bit case names its fix; any other is
// followed by Wine's own first error line.
inline constexpr std::string_view WINE_CANNOT_RUN_32_BIT =
    "zinc.exe is a 32-bit Windows program and this Wine cannot run 32-bit programs: install "
    "32-bit Wine support (Debian and Ubuntu: dpkg --add-architecture i386, then apt install "
    "wine32)";
// A file the emulator under Wine is to open, in a folder it cannot name: followed by the folder.
inline constexpr std::string_view WINE_NO_DRIVE =
    "No drive of the Wine prefix reaches this folder, so zinc.exe could not open its files; map "
    "a drive to it (or to a folder above it) with winecfg, on its Drives tab, then try again";
inline constexpr std::string_view WINE_PATH_OUTSIDE_CODE_PAGE =
    "This folder's name holds characters outside the code page Wine gives zinc.exe, which would "
    "name other files; nothing was started. Rename the folder, or start Corvane in a locale "
    "whose code page holds them";
inline constexpr std::string_view WINE_RUN_FAILED = "Wine could not run zinc.exe";
inline constexpr std::string_view WINE_FAILED_SILENTLY = "ran nothing and said nothing";

// What Scan For Changes says before it writes the lists, and when it has nothing to write.
inline constexpr std::string_view SCAN_PUTS = "Scan puts";
inline constexpr std::string_view SCAN_GAMES_BACK = "games back in their automatic families";
inline constexpr std::string_view SCAN_GAME_BACK = "game back in its automatic family";
inline constexpr std::string_view SCAN_WRITES_NOW = "and writes the five lists now.";
inline constexpr std::string_view SCAN_ORDER_ONLY =
    "Every game is in its automatic family already; Scan writes the five lists now in the "
    "emulator's order.";
inline constexpr std::string_view SCAN_DROPS_ENTRIES = "entries that name no game are dropped.";
inline constexpr std::string_view SCAN_DROPS_ENTRY = "entry that names no game is dropped.";
inline constexpr std::string_view SCAN_CONTINUE = "Continue?";
inline constexpr std::string_view SCAN_MOVED = "Moved:";
inline constexpr std::string_view SCAN_MOVED_TO = "to";
inline constexpr std::string_view SCAN_NO_FAMILY = "no family";
inline constexpr std::string_view SCAN_MORE = "more";
inline constexpr std::string_view SCAN_NOTHING_TO_DO =
    "Every game is in its automatic family already and the five lists say so, so Scan wrote "
    "nothing.";

// Questions before a launch of a game that has no controller file: the emulator would start it
// without the keys set here.
inline constexpr std::string_view LAUNCH_NO_FAMILY =
    "This game has no controller file, because it belongs to no family of controls yet, so it "
    "would start without the keys set here. Give it a family in Manage Control Groupings and "
    "press Save there.\n\nStart it anyway?";
inline constexpr std::string_view LAUNCH_NOT_SAVED =
    "This game has no controller file yet, so it would start without the keys set here. Press "
    "Save to write it.\n\nStart it anyway?";
// Before a launch whose options name a "zinc.cfg" that is not there.
inline constexpr std::string_view LAUNCH_NO_EMULATOR_CONFIG =
    "The options name zinc.cfg, which does not exist yet, so the emulator would start without "
    "its settings (the ROM folder among them). Make the default zinc.cfg first?";
// Told after "All Changes Saved" when games of the list stand in no group list.
inline constexpr std::string_view GAMES_WITHOUT_FAMILY =
    "games have no family yet and get no controller file";
inline constexpr std::string_view GAME_WITHOUT_FAMILY =
    "game has no family yet and gets no controller file";
inline constexpr std::string_view OWN_KEYS_NO_FAMILY =
    "This game has no family of controls yet, so it has no keys of its own to change. Give it a "
    "family in Manage Control Groupings, save, and try again.";
inline constexpr std::string_view OWN_KEYS_UNREADABLE =
    "The file of the games' own keys (corvane-games.ini) could not be read, so own keys cannot "
    "be changed now.";
inline constexpr std::string_view OWN_KEYS_COPIES_KEPT =
    "The file of the games' own keys could not be read, so every game's own controller file "
    "was left as it was";
inline constexpr std::string_view PROGRAM_DIR_UNUSABLE =
    "The program's own folder cannot be used: its path is longer than 215 characters (the files "
    "it writes need the rest of the 260 Windows allows) or holds characters outside the "
    "system's code page";

// Batch mode: what the help switches print, and the line for a wrapper that is not installed.
inline constexpr std::string_view BATCH_USAGE =
    "Usage: corvane [-listinfo [DAT path]] [-cfgwrapper]\n"
    "Without switches Corvane opens its window. With them it runs from zinc.exe's folder, does\n"
    "the jobs asked for and exits:\n"
    "  -listinfo [path]   writes the emulator's set list as a DAT file (zinc.dat beside\n"
    "                     zinc.exe unless a path follows)\n"
    "  -cfgwrapper        rewrites lconfig.ini, the command-line wrapper's list of games\n"
    "  --help, -h, -?, /? prints this text and does nothing else\n"
    "Exit status: 0 done, 1 something failed (told in one line on stderr), 2 no zinc.exe beside\n"
    "the program.\n";
inline constexpr std::string_view WRAPPER_FILE_MISSING =
    "No wrapper configuration to rewrite (the wrapper is not installed)";

// Bind All: the key dialog walks through a page's inputs, one key each.
inline constexpr std::string_view BIND_ALL_CAPTION = "Bind All";
inline constexpr std::string_view WALK_SKIP = "Skip";
inline constexpr std::string_view WALK_STOP = "Stop";
inline constexpr std::string_view WALK_HINT =
    "Every key binds, Escape too. Alt+S or Skip keeps this input's key and goes on; Alt+F4 or "
    "Stop ends Bind All, keeping the keys taken.";
inline constexpr std::string_view WALK_CLASH_HINT =
    "Press another key to replace it, or Alt+S or Skip to keep it and go on.";

// The key chart: its caption, what its cells say besides a key's name, and its legend.
inline constexpr std::string_view KEY_CHART_CAPTION = "Key Chart";
inline constexpr std::string_view CHART_INPUT = "Input";
inline constexpr std::string_view CHART_PLAYER_1 = "Player 1";
inline constexpr std::string_view CHART_PLAYER_2 = "Player 2";
inline constexpr std::string_view CHART_NOT_BOUND = "not bound";
inline constexpr std::string_view CHART_SAME_AS_FAMILY = "family key";
inline constexpr std::string_view CHART_UNSAVED = "not saved yet";
inline constexpr std::string_view CHART_ALSO = "also";
inline constexpr std::string_view CHART_OWN_KEYS = "Games with keys of their own";
inline constexpr std::string_view CHART_HOLDS_UNSAVED =
    "This chart shows keys not saved yet; Save writes them to the controller files.";
inline constexpr std::string_view CHART_LEGEND =
    "Each family's table holds the keys every game of the family gets; an input of both players "
    "has one key. A warning sign marks a key that also drives another input of the same game.";

// Named key layouts: what the reader and the layouts folder report.
inline constexpr std::string_view LAYOUT_NOT_A_LAYOUT =
    "This file is not a Corvane key layout (its first line is not [Corvane Layout]); nothing "
    "was changed.";
inline constexpr std::string_view LAYOUT_CUT_SHORT =
    "This key layout is cut short (its last line, [End], is missing); nothing was changed.";
inline constexpr std::string_view LAYOUT_TOO_LARGE =
    "This file is too large to be a key layout; nothing was changed.";
inline constexpr std::string_view LAYOUT_BINARY =
    "This file holds bytes no key layout has; nothing was changed.";
inline constexpr std::string_view LAYOUT_NOT_READ = "The key layout could not be read";
inline constexpr std::string_view LAYOUT_BAD_NAME =
    "A layout name is a plain file name: letters, digits, blanks, '-', '_' or '.', up to 64, "
    "not starting with a dot or a blank";
inline constexpr std::string_view LAYOUT_MISSING = "There is no layout of this name";
inline constexpr std::string_view LAYOUT_EXISTS = "A layout of this name exists already";
inline constexpr std::string_view LAYOUT_NOT_REMOVED = "The layout could not be deleted";
inline constexpr std::string_view LAYOUT_SKIPPED = "Some lines were skipped:";
inline constexpr std::string_view LAYOUT_SKIPPED_MORE = "more lines skipped";
inline constexpr std::string_view LAYOUT_NONE = "(no layout)";

// Reset, copy and the key test: the scope said before, and what a key drives.
inline constexpr std::string_view RESET_TO = "to no key, as on the first run?";
inline constexpr std::string_view RESET_EVERYTHING = "Reset every key of every page, both players,";
inline constexpr std::string_view RESET_OWN_KEYS_STAY = "Games' own keys stay as they are.";
inline constexpr std::string_view COPY_CLASHES = "This copy makes keys clash:";
inline constexpr std::string_view KEY_TEST_BUTTON = "Test Keys";
inline constexpr std::string_view KEY_TEST_HINT =
    "Press keys to see what they drive; Escape or Test Keys again ends the test.";
inline constexpr std::string_view KEY_TEST_NOTHING = "drives nothing for";
inline constexpr std::string_view KEY_TEST_DRIVES = "drives";
inline constexpr std::string_view UNDO_NOTHING = "Nothing to undo";
inline constexpr std::string_view REDO_NOTHING = "Nothing to redo";

} // namespace corvane::Messages
