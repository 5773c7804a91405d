#include "controls/BindingInputs.h"

#include "controls/ControllerFiles.h"

#include <algorithm>

namespace corvane
{
namespace
{

constexpr int CAPCOM = PageOf(GroupId::Cap);
constexpr int THREE_BUTTONS = PageOf(GroupId::ThreeBut);
constexpr int QUIZ = PageOf(GroupId::Qma);
constexpr int TEKKEN = PageOf(GroupId::Tekken);
constexpr int SOUL_EDGE = PageOf(GroupId::SoulEdge);

constexpr std::array<BindingInput, BINDING_INPUT_COUNT> INPUTS = {{
    {"UP", "Up", GENERAL_PAGE, "upp1", "upp2"},
    {"Down", "Down", GENERAL_PAGE, "downp1", "downp2"},
    {"Left", "Left", GENERAL_PAGE, "leftp1", "leftp2"},
    {"Right", "Right", GENERAL_PAGE, "rightp1", "rightp2"},
    {"cmdStart1", "Start 1", GENERAL_PAGE, "start1", "start1"},
    {"CmdStart2", "Start 2", GENERAL_PAGE, "start2", "start2"},
    {"CmdCoin1", "Coin 1", GENERAL_PAGE, "coin1", "coin1"},
    {"cmdCoin2", "Coin 2", GENERAL_PAGE, "coin2", "coin2"},
    {"cmdTest", "Test", GENERAL_PAGE, "test", "test"},
    {"cmdService", "Service Mode", GENERAL_PAGE, "service", "service"},
    {"CapPunch1", "Low Punch", CAPCOM, "cappunch1p1", "cappunch1p2"},
    {"CapPunch2", "Medium Punch", CAPCOM, "cappunch2p1", "cappunch2p2"},
    {"CapPunch3", "Fierce Punch", CAPCOM, "cappunch3p1", "cappunch3p2"},
    {"CapKick1", "Low Kick", CAPCOM, "capkick1p1", "capkick1p2"},
    {"CapKick2", "Medium Kick", CAPCOM, "capkick2p1", "capkick2p2"},
    {"CapKick3", "Fierce Kick", CAPCOM, "capkick3p1", "capkick3p2"},
    {"tbuta", "A", THREE_BUTTONS, "tbutap1", "tbutap2"},
    {"tbutb", "B", THREE_BUTTONS, "tbutbp1", "tbutbp2"},
    {"tbutc", "C", THREE_BUTTONS, "tbutcp1", "tbutcp2"},
    {"cmdqma1", "1", QUIZ, "qma1p1", "qma1p2"},
    {"cmdqma2", "2", QUIZ, "qma2p1", "qma2p2"},
    {"cmdqma3", "3", QUIZ, "qma3p1", "qma3p2"},
    {"cmdqma4", "4", QUIZ, "qma4p1", "qma4p2"},
    {"cmdTLP", "Left Punch", TEKKEN, "tekkenleftpunchp1", "tekkenleftpunchp2"},
    {"cmdTRP", "Right Punch", TEKKEN, "tekkenrightpunchp1", "tekkenrightpunchp2"},
    {"cmdTLK", "Left Kick", TEKKEN, "tekkenleftkickp1", "tekkenleftkickp2"},
    {"cmdTRK", "Right Kick", TEKKEN, "tekkenrightkickp1", "tekkenrightkickp2"},
    {"SEAttackHor", "Attack (Horizontal) / Low Attack", SOUL_EDGE, "seattackhorp1",
     "seattackhorp2"},
    {"SEAttackVert", "Attack (Vertical) / High Attack", SOUL_EDGE, "seattackvertp1",
     "seattackvertp2"},
    {"SEKick", "Kick / Beast", SOUL_EDGE, "sekickp1", "sekickp2"},
    {"SEGuard", "Guard", SOUL_EDGE, "seguardp1", "seguardp2"},
}};

// The tabs' captions, as the player reads them above each page.
constexpr std::array<std::string_view, BINDING_PAGE_COUNT> PAGE_CAPTIONS = {
    "General",           "Capcom 6 Button",
    "3 Buttons or Less", "Quiz My Angel 3 /Paca Paca Passion",
    "Tekken Games",      "Soul Edge / Ehrgeiz / Bloody Roar 2",
};

void AddPage(std::vector<WalkStep>& walk, int page, Player player, SharedInputs shared,
             const std::optional<GroupId>& holder)
{
  for (const BindingInput& input : INPUTS)
  {
    const bool left = shared == SharedInputs::Leave && input.Shared();
    if (input.page == page && !left && (!holder || FamilyFileHolds(*holder, input.slot_p1)))
      walk.push_back({&input, input.SlotOf(player)});
  }
}

} // namespace

const std::array<BindingInput, BINDING_INPUT_COUNT>& BindingInputs()
{
  return INPUTS;
}

std::string_view BindingPageCaption(int page)
{
  if (page < 0 || page >= BINDING_PAGE_COUNT)
    return {};
  return PAGE_CAPTIONS[static_cast<size_t>(page)];
}

const BindingInput* InputOfSlot(std::string_view slot_key)
{
  const auto found = std::find_if(INPUTS.begin(), INPUTS.end(),
                                  [&](const BindingInput& input) {
                                    return input.slot_p1 == slot_key || input.slot_p2 == slot_key;
                                  });
  return found == INPUTS.end() ? nullptr : &*found;
}

std::vector<WalkStep> PageWalk(int page, Player player, SharedInputs shared)
{
  std::vector<WalkStep> walk;
  AddPage(walk, page, player, shared, std::nullopt);
  return walk;
}

std::vector<WalkStep> FamilyWalk(GroupId family, Player player, SharedInputs shared)
{
  std::vector<WalkStep> walk;
  AddPage(walk, GENERAL_PAGE, player, shared, family);
  AddPage(walk, PageOf(family), player, shared, family);
  return walk;
}

bool FamilyFileHolds(GroupId family, std::string_view slot_key)
{
  const auto& slots = KeyCodeManager::GroupFileSlots(family);
  return std::find(slots.begin(), slots.end(), slot_key) != slots.end();
}

} // namespace corvane
