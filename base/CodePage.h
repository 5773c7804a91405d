#pragma once

// Paths and text in the system's ANSI code page. On Windows a character may take two bytes
// (code pages 932, 936, 949, 950), and the second byte of many is 0x5C, the backslash: paths
// are therefore split and lowered as characters, never byte by byte, and wide text is turned
// into the code page only when every character has an exact equivalent there.

#include <cstddef>
#include <string>
#include <string_view>

namespace corvane
{

// The longest name the program writes below its folder, its temporary file included:
// "\ctrlr\souledge.lst" (19; a per-game file of an eight-letter set name is as long) followed by
// "~corvane-", a process id of up to ten digits, "-" and a counter of up to five digits.
inline constexpr size_t LONGEST_WRITTEN_NAME = 19 + 25;

// True when the path's last character is a path separator (on Windows '\' or '/', read as
// characters of the ANSI code page).
bool EndsWithPathSeparator(std::string_view path);

// True when the path names its own root: "/x" elsewhere; "\x", "/x" or a drive letter and ':'
// on Windows. Only the leading bytes are read, so no conversion can fail on the rest.
bool HasRootPath(std::string_view path);

#ifdef _WIN32
// The same, in an explicit code page (tests use it to try other systems' code pages).
bool EndsWithPathSeparator(std::string_view path, unsigned code_page);

// Wide text in a code page, without look-alike substitutes: a character the code page lacks
// becomes '?', which no file name may hold, and sets `lossy`; so does a conversion the system
// refuses or cuts short. For UTF-8 (which holds every character) only a broken surrogate is lost.
std::string NarrowFromWide(std::wstring_view wide, unsigned code_page, bool* lossy);

// NarrowFromWide in the system's ANSI code page.
std::string AnsiFromWide(std::wstring_view wide, bool* lossy = nullptr);

// Code-page text as wide text; empty when the bytes are no valid text of the code page.
std::wstring WideFromNarrow(std::string_view text, unsigned code_page);

// Lowers text through the system (CharLowerBuffA): whole characters of the ANSI code page, so
// the second byte of a double-byte character is never taken for a capital letter.
std::string LowerAnsi(std::string_view text);

// The longest program folder (in UTF-16 units, as the ANSI file functions count) under which
// every file the program writes stays below MAX_PATH.
size_t LongestProgramDir();

// The folder part of the program's wide path, in the ANSI code page; empty when the ANSI file
// functions could not name every file in it exactly (a folder longer than LongestProgramDir(),
// or a character outside the code page). The path is split in UTF-16, before conversion.
std::string ModuleDirFromPath(std::wstring_view module_path);
#endif

} // namespace corvane
