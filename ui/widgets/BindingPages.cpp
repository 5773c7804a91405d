#include "ui/widgets/BindingPages.h"

#include <array>

namespace corvane
{
namespace
{

constexpr int CAPCOM = 1;
constexpr int THREE_BUTTONS = 2;
constexpr int QUIZ = 3;
constexpr int TEKKEN = 4;
constexpr int SOUL_EDGE = 5;

struct PageRow
{
  const char* caption;
  const char* tool_tip;
};

// One page per tab, in tab order.
constexpr std::array PAGES = std::to_array<PageRow>({
    {"General", "Buttons Found on Every Game"},
    {"Capcom 6 Button", "Games that use 4-6 Buttons, Usually Capcom"},
    {"3 Buttons or Less", ""},
    {"Quiz My Angel 3 /Paca Paca Passion", ""},
    {"Tekken Games", ""},
    {"Soul Edge / Ehrgeiz / Bloody Roar 2", ""},
    {"Launch", "Launch a Game To See If you Like it's Setup"},
});
static_assert(PAGES.size() == PAGE_COUNT);

} // namespace

const std::vector<BindingRow>& BindingRows()
{
  static const std::vector<BindingRow> rows = {
      {"UP", "Up", GENERAL_PAGE, "upp1", "upp2", 73, 8},
      {"Down", "Down", GENERAL_PAGE, "downp1", "downp2", 73, 138},
      {"Left", "Left", GENERAL_PAGE, "leftp1", "leftp2", 8, 73},
      {"Right", "Right", GENERAL_PAGE, "rightp1", "rightp2", 138, 73},
      {"cmdStart1", "Start 1", GENERAL_PAGE, "start1", "start1", 370, 8},
      {"CmdStart2", "Start 2", GENERAL_PAGE, "start2", "start2", 450, 8},
      {"CmdCoin1", "Coin 1", GENERAL_PAGE, "coin1", "coin1", 370, 83},
      {"cmdCoin2", "Coin 2", GENERAL_PAGE, "coin2", "coin2", 450, 83},
      {"cmdTest", "Test", GENERAL_PAGE, "test", "test", 370, 158},
      {"cmdService", "Service Mode", GENERAL_PAGE, "service", "service", 450, 158},
      {"CapPunch1", "Low Punch", CAPCOM, "cappunch1p1", "cappunch1p2", 168, 60},
      {"CapPunch2", "Medium Punch", CAPCOM, "cappunch2p1", "cappunch2p2", 258, 60},
      {"CapPunch3", "Fierce Punch", CAPCOM, "cappunch3p1", "cappunch3p2", 348, 60},
      {"CapKick1", "Low Kick", CAPCOM, "capkick1p1", "capkick1p2", 168, 160},
      {"CapKick2", "Medium Kick", CAPCOM, "capkick2p1", "capkick2p2", 258, 160},
      {"CapKick3", "Fierce Kick", CAPCOM, "capkick3p1", "capkick3p2", 348, 160},
      {"tbuta", "A", THREE_BUTTONS, "tbutap1", "tbutap2", 168, 110},
      {"tbutb", "B", THREE_BUTTONS, "tbutbp1", "tbutbp2", 258, 110},
      {"tbutc", "C", THREE_BUTTONS, "tbutcp1", "tbutcp2", 348, 110},
      {"cmdqma1", "1", QUIZ, "qma1p1", "qma1p2", 123, 110},
      {"cmdqma2", "2", QUIZ, "qma2p1", "qma2p2", 213, 110},
      {"cmdqma3", "3", QUIZ, "qma3p1", "qma3p2", 303, 110},
      {"cmdqma4", "4", QUIZ, "qma4p1", "qma4p2", 393, 110},
      {"cmdTLP", "Left Punch", TEKKEN, "tekkenleftpunchp1", "tekkenleftpunchp2", 213, 60},
      {"cmdTRP", "Right Punch", TEKKEN, "tekkenrightpunchp1", "tekkenrightpunchp2", 303, 60},
      {"cmdTLK", "Left Kick", TEKKEN, "tekkenleftkickp1", "tekkenleftkickp2", 213, 160},
      {"cmdTRK", "Right Kick", TEKKEN, "tekkenrightkickp1", "tekkenrightkickp2", 303, 160},
      {"SEAttackHor", "Attack (Horizontal) / Low Attack", SOUL_EDGE, "seattackhorp1",
       "seattackhorp2", 168, 60},
      {"SEAttackVert", "Attack (Vertical) / High Attack", SOUL_EDGE, "seattackvertp1",
       "seattackvertp2", 258, 60},
      {"SEKick", "Kick / Beast", SOUL_EDGE, "sekickp1", "sekickp2", 348, 60},
      {"SEGuard", "Guard", SOUL_EDGE, "seguardp1", "seguardp2", 110, 160},
  };
  return rows;
}

QString PageCaption(int page)
{
  return QString::fromLatin1(PAGES.at(static_cast<size_t>(page)).caption);
}

QString PageToolTip(int page)
{
  return QString::fromLatin1(PAGES.at(static_cast<size_t>(page)).tool_tip);
}

} // namespace corvane
