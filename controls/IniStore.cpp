#include "controls/IniStore.h"

#include "base/FileIo.h"
#include "base/Text.h"

#include <algorithm>
#include <set>

namespace corvane
{
namespace
{

// What the file side trims around names and values; the caller's names lose spaces only.
constexpr std::string_view FILE_BLANKS = " \t\v";

// One line of the file: its text runs from begin to content_end, its line end (CR LF, LF, a
// lone CR, or nothing on the last line) from content_end to end.
struct Line
{
  size_t begin;
  size_t content_end;
  size_t end;
};

Line LineAt(std::string_view bytes, size_t begin)
{
  const size_t stop = bytes.find_first_of("\r\n", begin);
  if (stop == std::string_view::npos)
    return {begin, bytes.size(), bytes.size()};
  const bool crlf = bytes[stop] == '\r' && stop + 1 < bytes.size() && bytes[stop + 1] == '\n';
  return {begin, stop, stop + (crlf ? 2 : 1)};
}

bool SameName(std::string_view a, std::string_view b)
{
  const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                            [&](char x, char y) { return lower(x) == lower(y); });
}

enum class LineKind
{
  Header,
  Entry,
  Other // blank lines, ";" comments, lines without "="
};

struct ParsedLine
{
  LineKind kind = LineKind::Other;
  std::string_view name;
  std::string_view value;
};

ParsedLine Parse(std::string_view content)
{
  const size_t first = content.find_first_not_of(FILE_BLANKS);
  if (first == std::string_view::npos)
    return {};
  const std::string_view text = content.substr(first);
  if (text[0] == '[')
  {
    // The name ends at the first "]"; a header without one runs to the end of the line.
    const std::string_view inside = text.substr(1);
    return {LineKind::Header, TrimIniBlanks(inside.substr(0, inside.find(']'))), {}};
  }
  const size_t equals = text.find('=');
  if (text[0] == ';' || equals == std::string_view::npos)
    return {};
  return {LineKind::Entry, TrimIniBlanks(text.substr(0, equals)),
          TrimIniBlanks(text.substr(equals + 1))};
}

// Where a key stands: only the first section of that name counts, and in it the first entry.
struct Location
{
  std::optional<Line> header;
  std::optional<Line> entry;
  std::string_view entry_name; // the file's spelling of the key
  std::string_view value;
  std::optional<Line> last_entry; // the section's last entry, when the key is not in it
};

Location Locate(std::string_view bytes, std::string_view section, std::string_view key)
{
  Location at;
  for (size_t begin = 0; begin < bytes.size();)
  {
    const Line line = LineAt(bytes, begin);
    begin = line.end;
    const ParsedLine parsed = Parse(bytes.substr(line.begin, line.content_end - line.begin));
    if (parsed.kind == LineKind::Header)
    {
      if (at.header)
        break;
      if (SameName(parsed.name, section))
        at.header = line;
    }
    else if (at.header && parsed.kind == LineKind::Entry)
    {
      if (SameName(parsed.name, key))
      {
        at.entry = line;
        at.entry_name = parsed.name;
        at.value = parsed.value;
        break;
      }
      at.last_entry = line;
    }
  }
  return at;
}

// One pair of matching quotes around the whole value goes.
std::string_view Unquote(std::string_view value)
{
  if (value.size() >= 2 && value.front() == value.back() &&
      (value.front() == '"' || value.front() == '\''))
    return value.substr(1, value.size() - 2);
  return value;
}

// A line break inside a name or value would split its line and make keys of its pieces.
std::string OneLine(std::string_view text)
{
  std::string result(text);
  std::replace_if(
      result.begin(), result.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
  return result;
}

} // namespace

std::string_view TrimIniBlanks(std::string_view text)
{
  const size_t first = text.find_first_not_of(FILE_BLANKS);
  if (first == std::string_view::npos)
    return {};
  return text.substr(first, text.find_last_not_of(FILE_BLANKS) - first + 1);
}

std::string IniDocument::Read(std::string_view section, std::string_view key,
                              size_t buffer_size) const
{
  return Find(section, key, buffer_size).value_or(std::string());
}

std::optional<std::string> IniDocument::Find(std::string_view section, std::string_view key,
                                             size_t buffer_size) const
{
  const Location at = Locate(m_bytes, Trim(section), Trim(key));
  if (!at.entry)
    return std::nullopt;
  // The buffer keeps one byte for its terminating NUL.
  const size_t room = buffer_size == 0 ? 0 : buffer_size - 1;
  return std::string(Unquote(at.value).substr(0, room));
}

void IniDocument::Write(std::string_view section, std::string_view key, std::string_view value)
{
  const std::string section_line = OneLine(section);
  const std::string key_line = OneLine(key);
  const std::string_view section_name = Trim(section_line);
  const std::string_view key_name = Trim(key_line);
  const Location at = Locate(m_bytes, section_name, key_name);
  std::string entry_tail = "=";
  entry_tail += OneLine(value);
  entry_tail += "\r\n";
  if (at.entry)
  {
    m_bytes.replace(at.entry->begin, at.entry->end - at.entry->begin,
                    std::string(at.entry_name) + entry_tail);
    return;
  }
  std::string addition(key_name);
  addition += entry_tail;
  if (at.header)
  {
    const Line after = at.last_entry.value_or(*at.header);
    if (after.end == after.content_end)
      addition.insert(0, "\r\n");
    m_bytes.insert(after.end, addition);
    return;
  }
  if (!m_bytes.empty() && m_bytes.back() != '\n' && m_bytes.back() != '\r')
    m_bytes += "\r\n";
  m_bytes += "[";
  m_bytes += section_name;
  m_bytes += "]\r\n";
  m_bytes += addition;
}

void IniDocument::Remove(std::string_view section, std::string_view key)
{
  // Each pass takes the line Find reads; a hand-edited repeat of the key is found next.
  for (Location at = Locate(m_bytes, Trim(section), Trim(key)); at.entry;
       at = Locate(m_bytes, Trim(section), Trim(key)))
    m_bytes.erase(at.entry->begin, at.entry->end - at.entry->begin);
}

std::vector<IniEntry> IniDocument::Entries() const
{
  const std::string_view bytes = m_bytes;
  std::vector<IniEntry> entries;
  std::set<std::string> sections_seen;
  std::set<std::string> keys_seen;         // of the current section
  std::optional<std::string_view> section; // none: before any header, or a repeated section
  for (size_t begin = 0; begin < bytes.size();)
  {
    const Line line = LineAt(bytes, begin);
    begin = line.end;
    const ParsedLine parsed = Parse(bytes.substr(line.begin, line.content_end - line.begin));
    if (parsed.kind == LineKind::Header)
    {
      const bool first = sections_seen.insert(ToLowerAscii(parsed.name)).second;
      section = first ? std::optional(parsed.name) : std::nullopt;
      keys_seen.clear();
    }
    else if (section && parsed.kind == LineKind::Entry &&
             keys_seen.insert(ToLowerAscii(parsed.name)).second)
      entries.push_back({*section, parsed.name, Unquote(parsed.value)});
  }
  return entries;
}

std::optional<IniDocument> LoadIniDocument(const std::string& path)
{
  if (IsDirectory(path))
    return std::nullopt;
  if (!IsRegularFile(path))
    return IniDocument();
  auto bytes = ReadFileBytes(path);
  if (!bytes)
    return std::nullopt;
  return IniDocument(std::move(*bytes));
}

bool SaveIniDocument(const std::string& path, const IniDocument& document)
{
  return WriteFileAtomic(path, document.Bytes());
}

std::string ReadIniValue(const IniDocument& document, std::string_view section,
                         std::string_view key)
{
  return std::string(Trim(document.Read(section, key, INI_READ_BUFFER)));
}

std::string ReadIniValue(const std::string& path, std::string_view section, std::string_view key)
{
  const auto document = LoadIniDocument(path);
  return document ? ReadIniValue(*document, section, key) : std::string();
}

bool WriteIniValue(const std::string& path, std::string_view section, std::string_view key,
                   std::string_view value)
{
  auto document = LoadIniDocument(path);
  if (!document)
    return false;
  document->Write(section, key, value);
  return SaveIniDocument(path, *document);
}

} // namespace corvane
