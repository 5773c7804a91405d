#include "controls/KeyChart.h"

#include "base/Messages.h"
#include "base/Text.h"
#include "controls/BindingClashes.h"
#include "controls/KeyLabels.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

namespace corvane::KeyCodeManager
{
namespace
{

ChartCell CellOf(std::string_view slot, const BindingTable& table, const ClashMap& clashes,
                 const LayoutCharacter& layout)
{
  ChartCell cell;
  cell.label = KeyLabelFromKeyToken(table.Get(slot), layout);
  cell.clashing = clashes.Others(slot);
  return cell;
}

std::vector<ChartRow> FamilyRows(GroupId family, const KeyChartSources& sources)
{
  const ClashMap clashes = FindClashes(sources.bindings, family);
  std::vector<ChartRow> rows;
  for (const WalkStep& step : FamilyWalk(family, Player::One))
  {
    ChartRow row{
        step.input, CellOf(step.input->slot_p1, sources.bindings, clashes, sources.layout), {}};
    if (!step.input->Shared())
      row.player2 = CellOf(step.input->slot_p2, sources.bindings, clashes, sources.layout);
    if (sources.saved)
    {
      row.player1.unsaved =
          sources.saved->Get(step.input->slot_p1) != sources.bindings.Get(step.input->slot_p1);
      row.player2.unsaved = !step.input->Shared() && sources.saved->Get(step.input->slot_p2) !=
                                                         sources.bindings.Get(step.input->slot_p2);
    }
    rows.push_back(std::move(row));
  }
  return rows;
}

// A game's cell: its own key, or a mark that the slot follows the family.
ChartCell GameCell(std::string_view slot, const std::vector<SlotToken>& own,
                   const BindingTable& effective, const ClashMap& clashes,
                   const LayoutCharacter& layout)
{
  const bool has_own = std::any_of(own.begin(), own.end(),
                                   [&](const SlotToken& entry) { return entry.first == slot; });
  if (!has_own)
    return ChartCell{{}, {}, false, true};
  return CellOf(slot, effective, clashes, layout);
}

std::vector<ChartRow> GameRows(GroupId family, const std::vector<SlotToken>& own,
                               const KeyChartSources& sources)
{
  BindingTable effective = sources.bindings;
  for (const auto& [slot, token] : own)
    effective.Set(slot, token);
  const ClashMap clashes = FindClashes(effective, family);
  std::vector<ChartRow> rows;
  for (const WalkStep& step : FamilyWalk(family, Player::One))
  {
    ChartRow row{
        step.input, GameCell(step.input->slot_p1, own, effective, clashes, sources.layout), {}};
    row.player2 = step.input->Shared()
                      ? ChartCell{{}, {}, false, true}
                      : GameCell(step.input->slot_p2, own, effective, clashes, sources.layout);
    if (!row.player1.follows_family || !row.player2.follows_family)
      rows.push_back(std::move(row));
  }
  return rows;
}

// The family whose file each listed game's copy is made from: the last list holding it.
std::unordered_map<std::string_view, GroupId> FamiliesOfGames(const GroupLists& lists)
{
  std::unordered_map<std::string_view, GroupId> families;
  for (const GroupInfo& group : GROUPS)
  {
    for (const std::string& set_name : lists[group.id])
      families[set_name] = group.id;
  }
  return families;
}

// The games of each family that have own keys, by title.
void AddGames(const KeyChartSources& sources, std::vector<ChartFamily>& families)
{
  std::unordered_map<std::string_view, std::string_view> titles;
  for (const GameRow& game : sources.games.rows)
    titles.emplace(game.set_name, game.title);
  for (const auto& [set_name, family] : FamiliesOfGames(sources.groups))
  {
    const std::vector<SlotToken> own = sources.game_keys->Applying(set_name, family);
    if (own.empty())
      continue;
    const auto title = titles.find(set_name);
    families[static_cast<size_t>(family)].games.push_back(
        {std::string(set_name), std::string(title == titles.end() ? set_name : title->second),
         GameRows(family, own, sources)});
  }
  for (ChartFamily& family : families)
  {
    std::sort(family.games.begin(), family.games.end(),
              [](const ChartGame& a, const ChartGame& b)
              {
                const std::string a_title = ToLowerAscii(a.title);
                const std::string b_title = ToLowerAscii(b.title);
                return a_title != b_title ? a_title < b_title : a.set_name < b.set_name;
              });
  }
}

bool AnyUnsaved(const std::vector<ChartFamily>& families)
{
  return std::any_of(families.begin(), families.end(),
                     [](const ChartFamily& family)
                     {
                       return std::any_of(family.rows.begin(), family.rows.end(),
                                          [](const ChartRow& row)
                                          { return row.player1.unsaved || row.player2.unsaved; });
                     });
}

} // namespace

KeyChart BuildKeyChart(const KeyChartSources& sources)
{
  KeyChart chart;
  for (const GroupInfo& group : GROUPS)
  {
    chart.families.push_back(
        {group.id, BindingPageCaption(PageOf(group.id)), FamilyRows(group.id, sources), {}});
  }
  if (sources.game_keys)
    AddGames(sources, chart.families);
  chart.unsaved = AnyUnsaved(chart.families);
  return chart;
}

std::string SlotCaption(std::string_view slot_key)
{
  const BindingInput* input = InputOfSlot(slot_key);
  if (!input)
    return std::string(slot_key);
  if (input->Shared())
    return std::string(input->caption);
  return (slot_key == input->slot_p1 ? "Player 1 " : "Player 2 ") + std::string(input->caption);
}

bool FamilyInUse(const ChartFamily& family)
{
  const auto own_key = [](const ChartRow& row)
  {
    return row.input->page != GENERAL_PAGE &&
           !(row.player1.label.empty() && row.player2.label.empty());
  };
  return !family.games.empty() || std::any_of(family.rows.begin(), family.rows.end(), own_key);
}

std::vector<GroupId> FamiliesInUse(const KeyChart& chart)
{
  std::vector<GroupId> used;
  for (const ChartFamily& family : chart.families)
    if (FamilyInUse(family))
      used.push_back(family.id);
  if (used.empty())
    for (const ChartFamily& family : chart.families)
      used.push_back(family.id);
  return used;
}

KeyChart OnlyFamilies(const KeyChart& chart, const std::vector<GroupId>& chosen)
{
  KeyChart only;
  only.unsaved = chart.unsaved;
  for (const ChartFamily& family : chart.families)
    if (std::find(chosen.begin(), chosen.end(), family.id) != chosen.end())
      only.families.push_back(family);
  return only;
}

std::string CellText(const ChartCell& cell)
{
  std::string text = cell.follows_family  ? std::string(Messages::CHART_SAME_AS_FAMILY)
                     : cell.label.empty() ? std::string(Messages::CHART_NOT_BOUND)
                                          : cell.label;
  if (cell.unsaved)
    text += " (" + std::string(Messages::CHART_UNSAVED) + ")";
  for (size_t i = 0; i < cell.clashing.size(); ++i)
  {
    text += i == 0 ? " (" + std::string(Messages::CHART_ALSO) + " " : "; ";
    text += SlotCaption(cell.clashing[i]);
  }
  if (!cell.clashing.empty())
    text += ")";
  return text;
}

} // namespace corvane::KeyCodeManager
