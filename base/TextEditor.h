#pragma once

// Opening a file in a text editor off Windows, where no one editor is always there: the
// desktop's opener, else the user's VISUAL or EDITOR in a terminal, else a graphical editor
// that is installed.

#include "base/ProgramSearch.h"

#include <string>
#include <vector>

namespace corvane
{

// The command lines that could open `path`, best first, each with its program found on the
// environment's PATH: xdg-open; then VISUAL and EDITOR (when their program is there) run by sh
// in the first terminal found; then each known graphical editor. Empty when there is none.
std::vector<std::vector<std::string>> EditorCommands(const std::string& path,
                                                     const EnvironmentLookup& env);

// Opens the file with the first of its editor commands that works: the desktop's opener is
// followed until it ends (its exit status says whether an application took the file), the others
// until they fail at start or keep running. Blocks meanwhile, for seconds when the opener finds
// nothing. False when none worked (always on Windows, which has its own editor).
bool OpenInTextEditor(const std::string& path, const std::string& dir,
                      const EnvironmentLookup& env);

} // namespace corvane
