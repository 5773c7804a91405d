#include "base/CodePage.h"

#ifdef _WIN32
#include <algorithm>
#include <windows.h>
#endif

namespace corvane
{

#ifdef _WIN32

namespace
{

bool IsSeparator(char c)
{
  return c == '\\' || c == '/';
}

// Broken surrogates become '?' so that the rest of the text still converts to UTF-8.
std::wstring WithoutBrokenSurrogates(std::wstring_view wide)
{
  std::wstring repaired(wide);
  for (size_t i = 0; i < repaired.size(); ++i)
  {
    const bool high = IS_HIGH_SURROGATE(repaired[i]);
    if (high && i + 1 < repaired.size() && IS_LOW_SURROGATE(repaired[i + 1]))
      ++i;
    else if (high || IS_LOW_SURROGATE(repaired[i]))
      repaired[i] = L'?';
  }
  return repaired;
}

// One conversion; empty and `failed` set when the system refuses it or writes less than it said.
std::string Convert(std::wstring_view wide, UINT code_page, DWORD flags, bool* used_default,
                    bool& failed)
{
  const bool utf8 = code_page == CP_UTF8;
  // UTF-8 takes neither a default character nor the question whether one was used.
  const char* default_char = utf8 ? nullptr : "?";
  BOOL defaulted = FALSE;
  BOOL* defaulted_out = utf8 ? nullptr : &defaulted;
  const int wide_length = static_cast<int>(wide.size());
  const int length = WideCharToMultiByte(code_page, flags, wide.data(), wide_length, nullptr, 0,
                                         default_char, defaulted_out);
  std::string text(static_cast<size_t>(std::max(length, 0)), '\0');
  const int written = length <= 0
                          ? 0
                          : WideCharToMultiByte(code_page, flags, wide.data(), wide_length,
                                                text.data(), length, default_char, defaulted_out);
  failed = length <= 0 || written != length;
  if (used_default)
    *used_default = defaulted != FALSE;
  return failed ? std::string() : text;
}

} // namespace

bool EndsWithPathSeparator(std::string_view path, unsigned code_page)
{
  size_t last = std::string_view::npos;
  for (size_t i = 0; i < path.size(); ++i)
  {
    last = i;
    if (IsDBCSLeadByteEx(code_page, static_cast<BYTE>(path[i])) && i + 1 < path.size())
      ++i;
  }
  return last != std::string_view::npos && last == path.size() - 1 && IsSeparator(path[last]);
}

bool EndsWithPathSeparator(std::string_view path)
{
  return EndsWithPathSeparator(path, CP_ACP);
}

bool HasRootPath(std::string_view path)
{
  if (!path.empty() && IsSeparator(path[0]))
    return true;
  const bool letter = path.size() >= 2 &&
                      ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
  return letter && path[1] == ':';
}

std::string NarrowFromWide(std::wstring_view wide, unsigned code_page, bool* lossy)
{
  if (lossy)
    *lossy = false;
  if (wide.empty())
    return {};
  const bool utf8 = code_page == CP_UTF8;
  bool used_default = false;
  bool failed = false;
  std::string text = Convert(wide, code_page, utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS,
                             &used_default, failed);
  const bool broken_utf16 = failed && utf8;
  if (broken_utf16)
    text = Convert(WithoutBrokenSurrogates(wide), code_page, 0, nullptr, failed);
  if (lossy)
    *lossy = failed || used_default || broken_utf16;
  return text;
}

std::string AnsiFromWide(std::wstring_view wide, bool* lossy)
{
  return NarrowFromWide(wide, GetACP(), lossy);
}

std::wstring WideFromNarrow(std::string_view text, unsigned code_page)
{
  if (text.empty())
    return {};
  const int size = static_cast<int>(text.size());
  const int length =
      MultiByteToWideChar(code_page, MB_ERR_INVALID_CHARS, text.data(), size, nullptr, 0);
  if (length <= 0)
    return {};
  std::wstring wide(static_cast<size_t>(length), L'\0');
  if (MultiByteToWideChar(code_page, MB_ERR_INVALID_CHARS, text.data(), size, wide.data(),
                          length) != length)
    return {};
  return wide;
}

std::string LowerAnsi(std::string_view text)
{
  std::string lowered(text);
  // Character by character: bytes that form no character of the code page (a lead byte without
  // its second byte, say) pass unchanged instead of coming back as the code page's default.
  for (size_t i = 0; i < lowered.size();)
  {
    const bool lead = IsDBCSLeadByteEx(CP_ACP, static_cast<BYTE>(lowered[i]));
    const DWORD length = lead && i + 1 < lowered.size() ? 2 : 1;
    if (MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, lowered.data() + i,
                            static_cast<int>(length), nullptr, 0) > 0)
      CharLowerBuffA(lowered.data() + i, length);
    i += length;
  }
  return lowered;
}

size_t LongestProgramDir()
{
  // The name's own terminating null counts towards MAX_PATH.
  return MAX_PATH - 1 - LONGEST_WRITTEN_NAME;
}

namespace
{

// The ordinary spelling of a path the system may give in its long form: "\\?\C:\x" is
// "C:\x", and "\\?\UNC\host\share" (or, under Wine, "UNC\host\share") is
// "\\host\share".
std::wstring PlainPath(std::wstring_view path)
{
  const std::wstring_view long_prefix = L"\\\\?\\";
  if (path.substr(0, long_prefix.size()) == long_prefix)
    path.remove_prefix(long_prefix.size());
  const std::wstring_view unc = L"UNC\\";
  if (path.substr(0, unc.size()) == unc)
    return L"\\\\" + std::wstring(path.substr(unc.size()));
  return std::wstring(path);
}

} // namespace

std::string ModuleDirFromPath(std::wstring_view given_path)
{
  const std::wstring module_path = PlainPath(given_path);
  const auto slash = module_path.find_last_of(L'\\');
  if (slash == std::wstring_view::npos)
    return {};
  // A drive's root keeps its backslash: "D:" alone means the drive's current folder.
  const bool drive_root = slash == 2 && module_path[1] == L':';
  const std::wstring dir = module_path.substr(0, drive_root ? 3 : slash);
  if (dir.size() > LongestProgramDir())
    return {};
  bool lossy = false;
  std::string ansi = AnsiFromWide(dir, &lossy);
  return lossy ? std::string() : ansi;
}

#else

bool EndsWithPathSeparator(std::string_view path)
{
  return !path.empty() && path.back() == '/';
}

bool HasRootPath(std::string_view path)
{
  return !path.empty() && path.front() == '/';
}

#endif

} // namespace corvane
