#include "base/Text.h"

#include <algorithm>
#include <cstring>

namespace corvane
{

std::string_view Trim(std::string_view text)
{
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos)
    return {};
  const auto last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

LineCursor::LineCursor(std::string_view text)
    : m_text(text), m_next_cr(Find('\r', 0)), m_next_lf(Find('\n', 0))
{
}

bool LineCursor::Next(std::string_view& line)
{
  if (m_pos >= m_text.size())
    return false;
  // The next CR and LF are remembered, so a text without one of them is searched once.
  if (m_next_cr < m_pos)
    m_next_cr = Find('\r', m_pos);
  if (m_next_lf < m_pos)
    m_next_lf = Find('\n', m_pos);
  const size_t end = std::min(m_next_cr, m_next_lf);
  line = m_text.substr(m_pos, end - m_pos);
  const bool crlf = end + 1 < m_text.size() && m_text[end] == '\r' && m_text[end + 1] == '\n';
  m_pos = end == m_text.size() ? end : end + (crlf ? 2 : 1);
  return true;
}

size_t LineCursor::Find(char byte, size_t from) const
{
  if (from >= m_text.size())
    return m_text.size();
  const void* hit = std::memchr(m_text.data() + from, byte, m_text.size() - from);
  return hit ? static_cast<size_t>(static_cast<const char*>(hit) - m_text.data()) : m_text.size();
}

std::vector<std::string_view> SplitLines(std::string_view text)
{
  std::vector<std::string_view> lines;
  LineCursor cursor(text);
  for (std::string_view line; cursor.Next(line);)
    lines.push_back(line);
  return lines;
}

std::vector<std::string_view> Split(std::string_view text, char separator)
{
  std::vector<std::string_view> pieces;
  size_t start = 0;
  for (;;)
  {
    const auto end = text.find(separator, start);
    if (end == std::string_view::npos)
    {
      pieces.push_back(text.substr(start));
      return pieces;
    }
    pieces.push_back(text.substr(start, end - start));
    start = end + 1;
  }
}

std::string RemoveAll(std::string_view text, std::string_view word)
{
  std::string result;
  result.reserve(text.size());
  size_t start = 0;
  if (word.empty())
    return std::string(text);
  for (;;)
  {
    const auto hit = text.find(word, start);
    if (hit == std::string_view::npos)
    {
      result.append(text.substr(start));
      return result;
    }
    result.append(text.substr(start, hit - start));
    start = hit + word.size();
  }
}

std::string ToLowerAscii(std::string_view text)
{
  std::string result(text);
  for (char& c : result)
  {
    if (c >= 'A' && c <= 'Z')
      c = static_cast<char>(c - 'A' + 'a');
  }
  return result;
}

bool StartsWith(std::string_view text, std::string_view prefix)
{
  return text.substr(0, prefix.size()) == prefix;
}

} // namespace corvane
