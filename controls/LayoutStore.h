#pragma once

// The named layouts a player keeps: one file each, "<name>.ini" in the folder "layouts" beside
// the program, and the name of the one in use. Nothing here writes outside that folder, except
// an export to the file the player chose.

#include "base/AppDir.h"
#include "base/Outcome.h"
#include "controls/LayoutFile.h"

#include <string>
#include <string_view>
#include <vector>

namespace corvane
{

inline constexpr std::string_view LAYOUTS_FOLDER = "layouts";
inline constexpr size_t LAYOUT_NAME_MAX = 64;

// What loading or importing a layout gave: the layout, what was skipped, or the problem.
struct LayoutLoad
{
  std::optional<Layout> layout;
  std::vector<std::string> skipped;
  Outcome outcome; // empty when the layout was read
};

namespace LayoutStore
{

// True for a name that makes a plain file name on every system: 1 to 64 bytes, no separator,
// no character or device name Windows refuses, no control byte, no blank or dot at either end.
bool IsLayoutName(std::string_view name);

// The layouts in the folder, by name, sorted; none when the folder is missing.
std::vector<std::string> List(const AppDir& dir);

// Writes the layout under the name, replacing one of that name.
Outcome Save(const AppDir& dir, std::string_view name, const Layout& layout);

// Reads the layout of that name.
LayoutLoad Load(const AppDir& dir, std::string_view name);

// Gives a layout another name; refused when the new name is taken or not a layout name.
Outcome Rename(const AppDir& dir, std::string_view from, std::string_view to);

// Deletes the layout; the name in use is forgotten when it was this one.
Outcome Remove(const AppDir& dir, std::string_view name);

// Writes the stored layout, as read, to a file of the player's choice.
Outcome Export(const AppDir& dir, std::string_view name, const std::string& path);

// Reads a layout file from anywhere and keeps it under the name; a file that is no layout, or a
// taken name when `replace` is false, changes nothing.
LayoutLoad Import(const AppDir& dir, const std::string& path, std::string_view name, bool replace);

// The name of the layout in use; empty when none was chosen or it no longer exists.
std::string InUse(const AppDir& dir);

// Remembers the layout in use (empty: none).
Outcome SetInUse(const AppDir& dir, std::string_view name);

} // namespace LayoutStore

} // namespace corvane
