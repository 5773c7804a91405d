#pragma once

// Small text helpers shared by every parser. All work on bytes: text is in the system's ANSI
// code page and passes through unchanged.

#include <string>
#include <string_view>
#include <vector>

namespace corvane
{

// Removes space characters (and nothing else) from both ends.
std::string_view Trim(std::string_view text);

// Walks text line by line, a line ending at CR LF, LF or a lone CR; a line end at the very end
// of the text does not start another (empty) line. Builds nothing: a listing of a million
// lines is read in one pass.
class LineCursor
{
public:
  explicit LineCursor(std::string_view text);

  // The next line, without its line end; false at the end of the text.
  bool Next(std::string_view& line);

private:
  // The position of the byte, or the text's size when it does not occur again.
  size_t Find(char byte, size_t from) const;

  std::string_view m_text;
  size_t m_pos = 0;
  size_t m_next_cr;
  size_t m_next_lf;
};

// Splits text into lines at CR LF, LF or a lone CR. A line end at the very end of the text
// does not start another (empty) line; text without any line end is one line.
std::vector<std::string_view> SplitLines(std::string_view text);

// Splits at every occurrence of the separator; empty pieces are kept.
std::vector<std::string_view> Split(std::string_view text, char separator);

// Removes every occurrence of a word.
std::string RemoveAll(std::string_view text, std::string_view word);

// Lowers A to Z only; other bytes (the ANSI code page's letters included) stay as they are.
std::string ToLowerAscii(std::string_view text);

bool StartsWith(std::string_view text, std::string_view prefix);

} // namespace corvane
