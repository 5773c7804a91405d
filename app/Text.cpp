#include "app/Text.h"

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

std::vector<std::string_view> SplitLines(std::string_view text)
{
  std::vector<std::string_view> lines;
  size_t start = 0;
  while (start < text.size())
  {
    const auto end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos)
    {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end - start));
    const bool crlf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
    start = end + (crlf ? 2 : 1);
  }
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
