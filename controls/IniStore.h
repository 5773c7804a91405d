#pragma once

// INI files read and written one value at a time, the way the Windows profile functions do:
// a write edits the file in place, changing or inserting one line and keeping every other byte.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane
{

inline constexpr size_t INI_READ_BUFFER = 10000;

// One value as Find gives it, with the file's spelling of its section and key (views into the
// document's bytes).
struct IniEntry
{
  std::string_view section;
  std::string_view key;
  std::string_view value; // trimmed and unquoted, not cut to a buffer
};

// An INI file's bytes in memory, with the profile functions' read and write rules.
class IniDocument
{
public:
  IniDocument() = default;
  explicit IniDocument(std::string bytes) : m_bytes(std::move(bytes)) {}

  // The value, trimmed and unquoted, cut to buffer_size - 1 bytes; empty when missing.
  std::string Read(std::string_view section, std::string_view key,
                   size_t buffer_size = INI_READ_BUFFER) const;

  // As Read, but nullopt when the section or the key is missing ("k=" gives an empty value).
  std::optional<std::string> Find(std::string_view section, std::string_view key,
                                  size_t buffer_size = INI_READ_BUFFER) const;

  // Sets the value: replaces the key's line, or adds the key at the end of its section, or adds
  // the section at the end of the file. CR and LF in the value (and in the names) become blanks.
  void Write(std::string_view section, std::string_view key, std::string_view value);

  // Removes every line of the key in the section Find reads, so that Find no longer finds it;
  // nothing when the key is missing.
  void Remove(std::string_view section, std::string_view key);

  // Every value Find can reach, in file order: the first section of each name, and in it the
  // first entry of each key. One pass over the bytes.
  std::vector<IniEntry> Entries() const;

  const std::string& Bytes() const { return m_bytes; }

private:
  std::string m_bytes;
};

// A name or value as the file side reads it: spaces, tabs and vertical tabs trimmed at both ends
// (the caller's names lose spaces only).
std::string_view TrimIniBlanks(std::string_view text);

// The file's document; empty when the file is missing, nullopt when it exists but cannot be read.
std::optional<IniDocument> LoadIniDocument(const std::string& path);

// Replaces the file with the document's bytes; false when not written (e.g. missing folder).
bool SaveIniDocument(const std::string& path, const IniDocument& document);

// The program's read of one value: the 10000-byte read, then blanks trimmed; empty when missing.
std::string ReadIniValue(const IniDocument& document, std::string_view section,
                         std::string_view key);

// One value of an INI file, trimmed and unquoted; empty when the file, section or key is missing.
std::string ReadIniValue(const std::string& path, std::string_view section, std::string_view key);

// Writes one value, creating the file (not its folder) when missing. False when not written.
bool WriteIniValue(const std::string& path, std::string_view section, std::string_view key,
                   std::string_view value);

} // namespace corvane
