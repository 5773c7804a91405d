#pragma once

// The ANSI code page Wine gives a Windows program: the one of the locale Corvane runs in, as
// Windows would have it for that language. A file name with a character outside it reaches the
// program as '?', which names no file (or another one).

#include <string>
#include <string_view>

namespace corvane
{

// The code page for a locale name such as "ja_JP.UTF-8" (its language and territory); 1252 for
// the rest, C and POSIX included.
unsigned WineCodePageOf(std::string_view locale);

// The code page of this process's locale: LC_ALL, else LC_CTYPE, else LANG.
unsigned WineCodePage();

// True when every character of the UTF-8 text has an exact equivalent in the code page; true as
// well when this system cannot convert to it (nothing can be told then).
bool FitsCodePage(const std::string& utf8, unsigned code_page);

} // namespace corvane
