#include "controls/ControllerFiles.h"

#include "base/Messages.h"
#include "controls/IniStore.h"

#include <array>
#include <cmath>
#include <cstdlib>
#include <optional>

namespace corvane
{
namespace
{

// A group's own key. Its player 1 slot is the stem with "p1" and sits in "player1"; player 2
// likewise. The copy key gets the same value at every save and is never read.
struct OwnKey
{
  GroupId group;
  std::string_view key;
  std::string_view copy_key; // empty: none
  std::string_view slot_stem;
};

constexpr std::array<OwnKey, 21> OWN_KEYS = {{
    {GroupId::Tekken, "btn9", "btn1", "tekkenleftpunch"},
    {GroupId::Tekken, "btn10", "btn2", "tekkenrightpunch"},
    {GroupId::Tekken, "btn12", "btn4", "tekkenleftkick"},
    {GroupId::Tekken, "btn13", "btn5", "tekkenrightkick"},
    {GroupId::SoulEdge, "btn9", "btn1", "seattackhor"},
    {GroupId::SoulEdge, "btn10", "btn2", "seattackvert"},
    {GroupId::SoulEdge, "btn11", "btn3", "sekick"},
    {GroupId::SoulEdge, "btn12", "btn4", "seguard"},
    {GroupId::ThreeBut, "btn1", "btn9", "tbuta"},
    {GroupId::ThreeBut, "btn2", "btn10", "tbutb"},
    {GroupId::ThreeBut, "btn3", "btn11", "tbutc"},
    {GroupId::Cap, "btn1", "", "cappunch1"},
    {GroupId::Cap, "btn2", "", "cappunch2"},
    {GroupId::Cap, "btn3", "", "cappunch3"},
    {GroupId::Cap, "btn4", "", "capkick1"},
    {GroupId::Cap, "btn5", "", "capkick2"},
    {GroupId::Cap, "btn6", "", "capkick3"},
    {GroupId::Qma, "up", "", "qma1"},
    {GroupId::Qma, "down", "", "qma2"},
    {GroupId::Qma, "left", "", "qma3"},
    {GroupId::Qma, "right", "", "qma4"},
}};

struct Player
{
  std::string_view section;
  std::string_view slot_suffix;
};

constexpr std::array<Player, 2> PLAYERS = {{{"player1", "p1"}, {"player2", "p2"}}};

// The block every group file and "allcfg.ini" carry, in write order.
struct CommonKey
{
  std::string_view section;
  std::string_view key;
  std::string_view slot;
  bool direction; // left out of "qmacfg.ini", whose direction keys are its buttons
};

constexpr std::array<CommonKey, 14> COMMON_KEYS = {{
    {"player1", "start", "start1", false},
    {"player2", "start", "start2", false},
    {"player1", "coin", "coin1", false},
    {"player2", "coin", "coin2", false},
    {"player1", "up", "upp1", true},
    {"player1", "down", "downp1", true},
    {"player1", "left", "leftp1", true},
    {"player1", "right", "rightp1", true},
    {"player2", "up", "upp2", true},
    {"player2", "down", "downp2", true},
    {"player2", "left", "leftp2", true},
    {"player2", "right", "rightp2", true},
    {"all", "services", "service", false},
    {"all", "test", "test", false},
}};

constexpr std::string_view GENERAL_SECTION = "General";
constexpr std::string_view NO_ERROR_KEY = "NOERROR";
constexpr std::string_view OUTPUT_KEY = "output";
constexpr std::string_view QMA_FILE = "qmacfg.ini";

std::string SlotOf(const OwnKey& own, const Player& player)
{
  return std::string(own.slot_stem) + std::string(player.slot_suffix);
}

// The own keys of one group, or their copy keys, for both players.
void AddOwnKeys(GroupId group, bool copies, const BindingTable& table, std::vector<IniWrite>& out)
{
  for (const Player& player : PLAYERS)
  {
    for (const OwnKey& own : OWN_KEYS)
    {
      const std::string_view key = copies ? own.copy_key : own.key;
      if (own.group == group && !key.empty())
        out.push_back({player.section, key, table.Get(SlotOf(own, player))});
    }
  }
}

// The longest number at the start of the text: sign, digits, fraction, exponent.
std::optional<double> LeadingNumber(std::string_view text)
{
  const auto digits_at = [&](size_t pos)
  {
    size_t end = pos;
    while (end < text.size() && text[end] >= '0' && text[end] <= '9')
      ++end;
    return end;
  };
  const size_t start = (!text.empty() && (text[0] == '+' || text[0] == '-')) ? 1 : 0;
  size_t end = digits_at(start);
  size_t digit_count = end - start;
  if (end < text.size() && text[end] == '.')
  {
    const size_t fraction_end = digits_at(end + 1);
    digit_count += fraction_end - end - 1;
    end = fraction_end;
  }
  if (digit_count == 0)
    return std::nullopt;
  if (end < text.size() && (text[end] == 'e' || text[end] == 'E'))
  {
    size_t exponent = end + 1;
    if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-'))
      ++exponent;
    if (digits_at(exponent) > exponent)
      end = digits_at(exponent);
  }
  return std::strtod(std::string(text.substr(0, end)).c_str(), nullptr);
}

// Applies the writes to the file's bytes in memory and replaces the file once.
Outcome WriteAll(const std::string& path, const std::vector<IniWrite>& writes)
{
  Outcome outcome;
  auto document = LoadIniDocument(path);
  // A file that exists but cannot be read is left alone rather than replaced by our part of it.
  if (!document)
  {
    outcome.Add(std::string(Messages::FILE_NOT_WRITTEN), path);
    return outcome;
  }
  const std::string before = document->Bytes();
  for (const IniWrite& write : writes)
    document->Write(write.section, write.key, write.value);
  // A save that changes no value leaves the file as it is.
  if (document->Bytes() != before && !SaveIniDocument(path, *document))
    outcome.Add(std::string(Messages::FILE_NOT_WRITTEN), path);
  return outcome;
}

IniDocument LoadOrEmpty(const std::string& path)
{
  return LoadIniDocument(path).value_or(IniDocument());
}

std::string_view CommonTarget(std::string_view file_name)
{
  return file_name.empty() ? COMMON_FILE : file_name;
}

} // namespace

namespace KeyCodeManager
{

std::vector<IniWrite> GroupFileWrites(GroupId group, const BindingTable& table,
                                      const GeneralOptions& general)
{
  std::vector<IniWrite> writes;
  AddOwnKeys(group, false, table, writes);
  AddOwnKeys(group, true, table, writes);
  const auto common = CommonBlockWrites(InfoOf(group).controller_file, table, general);
  writes.insert(writes.end(), common.begin(), common.end());
  return writes;
}

std::vector<IniWrite> CommonBlockWrites(std::string_view file_name, const BindingTable& table,
                                        const GeneralOptions& general)
{
  const bool keep_directions = file_name != QMA_FILE;
  std::vector<IniWrite> writes;
  for (const CommonKey& common : COMMON_KEYS)
  {
    if (keep_directions || !common.direction)
      writes.push_back({common.section, common.key, table.Get(common.slot)});
  }
  writes.push_back({GENERAL_SECTION, NO_ERROR_KEY, std::to_string(general.no_error)});
  writes.push_back({GENERAL_SECTION, OUTPUT_KEY, "\"" + general.output + "\""});
  return writes;
}

const std::vector<std::string_view>& GroupFileSlots(GroupId group)
{
  static const auto slots = []
  {
    std::array<std::vector<std::string_view>, GROUPS.size()> all;
    for (const GroupInfo& info : GROUPS)
    {
      for (const std::string_view slot : BindingTable::SlotKeys())
      {
        if (!SlotWrites(info.id, slot, "").empty())
          all[static_cast<size_t>(info.id)].push_back(slot);
      }
    }
    return all;
  }();
  return slots[static_cast<size_t>(group)];
}

std::vector<IniWrite> SlotWrites(GroupId group, std::string_view slot_key, std::string_view value)
{
  std::vector<IniWrite> writes;
  const bool keep_directions = InfoOf(group).controller_file != QMA_FILE;
  for (const CommonKey& common : COMMON_KEYS)
  {
    if (common.slot == slot_key && (keep_directions || !common.direction))
      writes.push_back({common.section, common.key, std::string(value)});
  }
  for (const Player& player : PLAYERS)
  {
    for (const OwnKey& own : OWN_KEYS)
    {
      if (own.group != group || SlotOf(own, player) != slot_key)
        continue;
      writes.push_back({player.section, own.key, std::string(value)});
      if (!own.copy_key.empty())
        writes.push_back({player.section, own.copy_key, std::string(value)});
    }
  }
  return writes;
}

int NoErrorStateFromText(std::string_view text)
{
  const double rounded = std::nearbyint(LeadingNumber(text).value_or(0.0));
  if (rounded == 1.0)
    return 1;
  if (rounded == 2.0)
    return 2;
  return 0;
}

void LoadGroupBindings(const AppDir& dir, GroupId group, BindingTable& table)
{
  const IniDocument document = LoadOrEmpty(dir.CtrlrFile(InfoOf(group).controller_file));
  for (const Player& player : PLAYERS)
  {
    for (const OwnKey& own : OWN_KEYS)
    {
      if (own.group == group)
        table.Set(SlotOf(own, player), ReadIniValue(document, player.section, own.key));
    }
  }
}

Outcome SaveGroupBindings(const AppDir& dir, GroupId group, const BindingTable& table,
                          const GeneralOptions& general)
{
  return WriteAll(dir.CtrlrFile(InfoOf(group).controller_file),
                  GroupFileWrites(group, table, general));
}

std::string NewGroupFileBytes(const AppDir& dir, GroupId group, const BindingTable& table)
{
  BindingTable shared_keys_on_disk; // read only for the General options beside them
  const GeneralOptions general = LoadCommonBindings(dir, shared_keys_on_disk);
  IniDocument document;
  for (const IniWrite& write : GroupFileWrites(group, table, general))
    document.Write(write.section, write.key, write.value);
  return document.Bytes();
}

Outcome WriteCommonBindings(const AppDir& dir, std::string_view file_name,
                            const BindingTable& table, const GeneralOptions& general)
{
  const std::string_view target = CommonTarget(file_name);
  return WriteAll(dir.CtrlrFile(target), CommonBlockWrites(target, table, general));
}

GeneralOptions LoadCommonBindings(const AppDir& dir, BindingTable& table)
{
  const IniDocument document = LoadOrEmpty(dir.CtrlrFile(COMMON_FILE));
  for (const CommonKey& common : COMMON_KEYS)
    table.Set(common.slot, ReadIniValue(document, common.section, common.key));
  GeneralOptions general;
  general.no_error = NoErrorStateFromText(ReadIniValue(document, GENERAL_SECTION, NO_ERROR_KEY));
  // The read has already taken off the quotes the save puts around the text.
  general.output = ReadIniValue(document, GENERAL_SECTION, OUTPUT_KEY);
  return general;
}

} // namespace KeyCodeManager

} // namespace corvane
