#include "controls/LayoutFile.h"

#include "base/Messages.h"
#include "base/Text.h"
#include "controls/BindingInputs.h"
#include "controls/SavePipeline.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <unordered_map>

namespace corvane
{
namespace
{

constexpr std::string_view HEADER = "corvane layout";
constexpr std::string_view END = "end";
constexpr std::string_view GAME_PREFIX = "game:";
constexpr std::string_view VERSION_KEY = "version";
constexpr std::string_view UTF8_BOM = "\xEF\xBB\xBF";
constexpr size_t MAX_LINE = 1024;
constexpr size_t MAX_TOKEN = 16;

// Each binding page's section: "general", then its family's short name.
constexpr std::array<std::string_view, BINDING_PAGE_COUNT> PAGE_SECTIONS = {
    "general", "cap", "3but", "qma", "tekken", "souledge"};

bool IsBindingSection(std::string_view section)
{
  return std::find(PAGE_SECTIONS.begin(), PAGE_SECTIONS.end(), section) != PAGE_SECTIONS.end();
}

// A token as the key dialog stores one: printable, short, and without the bytes that end a
// name, open a section or quote a value in the files it is copied into.
bool IsToken(std::string_view token)
{
  constexpr std::string_view refused = ";[]=\"";
  return token.size() <= MAX_TOKEN &&
         std::all_of(token.begin(), token.end(),
                     [&](char c)
                     {
                       const auto byte = static_cast<unsigned char>(c);
                       return byte > 0x20 && byte < 0x7F &&
                              refused.find(c) == std::string_view::npos;
                     });
}

// A game's name as the own-keys file holds it in a section header and the save copies it.
bool IsGameName(std::string_view name)
{
  return KeyCodeManager::IsPlainSetName(name) &&
         name.find_first_of("[]") == std::string_view::npos && TrimIniBlanks(name) == name;
}

std::string_view PageSection(std::string_view slot)
{
  const BindingInput* input = InputOfSlot(slot);
  return PAGE_SECTIONS[input ? static_cast<size_t>(input->page) : GENERAL_PAGE];
}

void AddLine(std::string& text, std::string_view line)
{
  text.append(line).append("\r\n");
}

void AddSlotLine(std::string& text, std::string_view slot, std::string_view token)
{
  text.append(slot).append("=").append(token).append("\r\n");
}

// A game's keys in slot order, however its section ordered them.
void SortBySlot(GameLayout& game)
{
  std::sort(game.keys.begin(), game.keys.end(),
            [](const auto& a, const auto& b)
            { return BindingTable::IndexOf(a.first) < BindingTable::IndexOf(b.first); });
}

// Reads line by line; each line either moves the section, fills a slot or is skipped.
class LayoutReader
{
public:
  LayoutRead Read(std::string_view text);

private:
  void Skip(size_t line, std::string_view why);
  bool Header(size_t line, std::string_view section);
  void Entry(size_t line, std::string_view key, std::string_view value);
  void OpenGame(size_t line, std::string_view name);
  void GameEntry(size_t line, std::string_view key, std::string_view value);

  LayoutRead m_read;
  Layout m_layout;
  std::string m_section;
  bool m_started = false;
  bool m_ended = false;
  std::bitset<SLOT_COUNT> m_bound;
  std::unordered_map<std::string, size_t> m_game_index; // lower-cased name, place in games
  std::bitset<SLOT_COUNT> m_game_bound;
  GameLayout* m_game = nullptr;
};

void LayoutReader::Skip(size_t line, std::string_view why)
{
  m_read.skipped.push_back("line " + std::to_string(line) + ": " + std::string(why));
}

// A section header; false when the file is no layout at all.
bool LayoutReader::Header(size_t line, std::string_view section)
{
  m_section = ToLowerAscii(TrimIniBlanks(section));
  m_game = nullptr;
  if (!m_started)
    return m_started = (m_section == HEADER);
  if (m_section == END)
    m_ended = true;
  else if (StartsWith(m_section, GAME_PREFIX))
  {
    const std::string_view name = TrimIniBlanks(TrimIniBlanks(section).substr(GAME_PREFIX.size()));
    OpenGame(line, name);
  }
  else if (!IsBindingSection(m_section) && m_section != HEADER)
    Skip(line, "unknown section [" + std::string(TrimIniBlanks(section)) + "]");
  return true;
}

// A game's section; its lines are skipped when the name can be no game's or comes again.
void LayoutReader::OpenGame(size_t line, std::string_view name)
{
  if (!IsGameName(name))
    return Skip(line, "no game can have the name \"" + std::string(name) + "\"");
  if (!m_game_index.emplace(ToLowerAscii(name), m_layout.games.size()).second)
    return Skip(line, "the game " + std::string(name) + " comes twice");
  m_game = &m_layout.games.emplace_back(GameLayout{std::string(name), {}});
  m_game_bound.reset();
}

void LayoutReader::GameEntry(size_t line, std::string_view key, std::string_view value)
{
  const auto slot = BindingTable::IndexOf(ToLowerAscii(key));
  if (!slot)
    return Skip(line, "unknown input " + std::string(key));
  if (m_game_bound[*slot])
    return Skip(line, std::string(key) + " comes twice");
  m_game_bound.set(*slot);
  m_game->keys.emplace_back(BindingTable::SlotKeys()[*slot], value);
}

void LayoutReader::Entry(size_t line, std::string_view key, std::string_view value)
{
  if (m_section == HEADER)
  {
    if (ToLowerAscii(key) != VERSION_KEY)
      Skip(line, "unknown setting " + std::string(key));
    return;
  }
  if (!m_game && !IsBindingSection(m_section))
    return; // the section was named as skipped when it opened
  if (!IsToken(value))
    return Skip(line, "no key is written \"" + std::string(value) + "\"");
  if (m_game)
    return GameEntry(line, key, value);
  const auto slot = BindingTable::IndexOf(ToLowerAscii(key));
  if (!slot)
    return Skip(line, "unknown input " + std::string(key));
  if (m_bound[*slot])
    return Skip(line, std::string(key) + " comes twice");
  m_bound.set(*slot);
  m_layout.bindings.Set(BindingTable::SlotKeys()[*slot], std::string(value));
}

LayoutRead LayoutReader::Read(std::string_view text)
{
  if (text.size() > LAYOUT_MAX_BYTES)
    return {std::nullopt, std::string(Messages::LAYOUT_TOO_LARGE), {}};
  if (text.find('\0') != std::string_view::npos)
    return {std::nullopt, std::string(Messages::LAYOUT_BINARY), {}};
  if (StartsWith(text, UTF8_BOM))
    text.remove_prefix(UTF8_BOM.size());
  size_t number = 0;
  for (const std::string_view raw : SplitLines(text))
  {
    ++number;
    const std::string_view line = TrimIniBlanks(raw);
    if (line.empty() || line.front() == ';' || line.front() == '#')
      continue;
    if (m_ended)
    {
      Skip(number, "after [End]");
      continue;
    }
    if (line.size() > MAX_LINE)
      Skip(number, "too long");
    else if (line.front() == '[' && line.back() == ']')
    {
      if (!Header(number, line.substr(1, line.size() - 2)))
        return {std::nullopt, std::string(Messages::LAYOUT_NOT_A_LAYOUT), {}};
    }
    else if (!m_started)
      return {std::nullopt, std::string(Messages::LAYOUT_NOT_A_LAYOUT), {}};
    else if (const size_t equals = line.find('='); equals == std::string_view::npos)
      Skip(number, "no \"=\"");
    else
      Entry(number, TrimIniBlanks(line.substr(0, equals)), TrimIniBlanks(line.substr(equals + 1)));
  }
  if (!m_started)
    return {std::nullopt, std::string(Messages::LAYOUT_NOT_A_LAYOUT), {}};
  if (!m_ended)
    return {std::nullopt, std::string(Messages::LAYOUT_CUT_SHORT), {}};
  // A game without own keys follows its family in every key: the own-keys file has no word for it.
  std::erase_if(m_layout.games, [](const GameLayout& game) { return game.keys.empty(); });
  for (GameLayout& game : m_layout.games)
    SortBySlot(game);
  m_read.layout = std::move(m_layout);
  return std::move(m_read);
}

} // namespace

Layout LayoutOf(const BindingTable& bindings, const GameKeys* game_keys)
{
  Layout layout{bindings, {}};
  if (!game_keys)
    return layout;
  // The own keys as the file reads them back: the first line of each slot in a game's section.
  std::unordered_map<std::string, size_t> index;
  std::vector<std::bitset<SLOT_COUNT>> seen;
  for (const IniEntry& entry : game_keys->Document().Entries())
  {
    const auto slot = BindingTable::IndexOf(ToLowerAscii(entry.key));
    const std::string_view name = TrimIniBlanks(entry.section);
    const std::string_view token = Trim(entry.value);
    if (!slot || !IsGameName(name) || !IsToken(token))
      continue;
    const auto [found, added] = index.emplace(ToLowerAscii(name), layout.games.size());
    if (added)
    {
      layout.games.push_back({std::string(name), {}});
      seen.emplace_back();
    }
    if (seen[found->second][*slot])
      continue;
    seen[found->second].set(*slot);
    layout.games[found->second].keys.emplace_back(BindingTable::SlotKeys()[*slot], token);
  }
  for (GameLayout& game : layout.games)
    SortBySlot(game);
  return layout;
}

GameKeys GameKeysOf(const Layout& layout)
{
  std::string text;
  for (const GameLayout& game : layout.games)
  {
    AddLine(text, "[" + game.set_name + "]");
    for (const auto& [slot, token] : game.keys)
      AddSlotLine(text, slot, token);
  }
  return GameKeys(IniDocument(std::move(text)));
}

std::string LayoutText(const Layout& layout)
{
  std::string text;
  AddLine(text, "; A Corvane key layout: \"input=key\" lines, an empty key leaves it unbound.");
  AddLine(text, "[Corvane Layout]");
  AddSlotLine(text, VERSION_KEY, std::to_string(LAYOUT_VERSION));
  for (int page = 0; page < BINDING_PAGE_COUNT; ++page)
  {
    AddLine(text, "; " + std::string(BindingPageCaption(page)));
    AddLine(text, "[" + std::string(PAGE_SECTIONS[static_cast<size_t>(page)]) + "]");
    for (const std::string_view slot : BindingTable::SlotKeys())
    {
      if (PageSection(slot) == PAGE_SECTIONS[static_cast<size_t>(page)])
        AddSlotLine(text, slot, layout.bindings.Get(slot));
    }
  }
  for (const GameLayout& game : layout.games)
  {
    AddLine(text, "[" + std::string(GAME_PREFIX) + game.set_name + "]");
    for (const auto& [slot, token] : game.keys)
      AddSlotLine(text, slot, token);
  }
  AddLine(text, "[End]");
  return text;
}

LayoutRead ReadLayoutText(std::string_view text)
{
  return LayoutReader().Read(text);
}

std::string DescribeSkipped(const std::vector<std::string>& skipped, size_t max_lines)
{
  if (skipped.empty())
    return {};
  std::string text(Messages::LAYOUT_SKIPPED);
  for (size_t i = 0; i < skipped.size() && i < max_lines; ++i)
    text += "\n" + skipped[i];
  if (skipped.size() > max_lines)
    text += "\n" + std::to_string(skipped.size() - max_lines) + " " +
            std::string(Messages::LAYOUT_SKIPPED_MORE);
  return text;
}

} // namespace corvane
