// The binding buttons: one table row per button, one handler for all of them.

#include "ui/BindingButton.h"
#include "ui/BindingTexts.h"
#include "ui/Form1.h"
#include "ui/QtText.h"
#include "ui/frmKeys.h"

#include <QFrame>
#include <QRadioButton>

namespace corvane
{
namespace
{

constexpr int GENERAL = 0;
constexpr int CAPCOM = 1;
constexpr int THREE_BUTTONS = 2;
constexpr int QUIZ = 3;
constexpr int TEKKEN = 4;
constexpr int SOUL_EDGE = 5;

} // namespace

const std::vector<Form1::BindingRow>& Form1::BindingRows()
{
  static const std::vector<BindingRow> rows = {
      {&Form1::UP, "UP", "Up", GENERAL, "upp1", "upp2", 73, 8},
      {&Form1::Down, "Down", "Down", GENERAL, "downp1", "downp2", 73, 138},
      {&Form1::Left, "Left", "Left", GENERAL, "leftp1", "leftp2", 8, 73},
      {&Form1::Right, "Right", "Right", GENERAL, "rightp1", "rightp2", 138, 73},
      {&Form1::cmdStart1, "cmdStart1", "Start 1", GENERAL, "start1", "start1", 370, 8},
      {&Form1::CmdStart2, "CmdStart2", "Start 2", GENERAL, "start2", "start2", 450, 8},
      {&Form1::CmdCoin1, "CmdCoin1", "Coin 1", GENERAL, "coin1", "coin1", 370, 83},
      {&Form1::cmdCoin2, "cmdCoin2", "Coin 2", GENERAL, "coin2", "coin2", 450, 83},
      {&Form1::cmdTest, "cmdTest", "Test", GENERAL, "test", "test", 370, 158},
      {&Form1::cmdService, "cmdService", "Service Mode", GENERAL, "service", "service", 450, 158},
      {&Form1::CapPunch1, "CapPunch1", "Low Punch", CAPCOM, "cappunch1p1", "cappunch1p2", 168, 60},
      {&Form1::CapPunch2, "CapPunch2", "Medium Punch", CAPCOM, "cappunch2p1", "cappunch2p2", 258,
       60},
      {&Form1::CapPunch3, "CapPunch3", "Fierce Punch", CAPCOM, "cappunch3p1", "cappunch3p2", 348,
       60},
      {&Form1::CapKick1, "CapKick1", "Low Kick", CAPCOM, "capkick1p1", "capkick1p2", 168, 160},
      {&Form1::CapKick2, "CapKick2", "Medium Kick", CAPCOM, "capkick2p1", "capkick2p2", 258, 160},
      {&Form1::CapKick3, "CapKick3", "Fierce Kick", CAPCOM, "capkick3p1", "capkick3p2", 348, 160},
      {&Form1::tbuta, "tbuta", "A", THREE_BUTTONS, "tbutap1", "tbutap2", 168, 110},
      {&Form1::tbutb, "tbutb", "B", THREE_BUTTONS, "tbutbp1", "tbutbp2", 258, 110},
      {&Form1::tbutc, "tbutc", "C", THREE_BUTTONS, "tbutcp1", "tbutcp2", 348, 110},
      {&Form1::cmdqma1, "cmdqma1", "1", QUIZ, "qma1p1", "qma1p2", 123, 110},
      {&Form1::cmdqma2, "cmdqma2", "2", QUIZ, "qma2p1", "qma2p2", 213, 110},
      {&Form1::cmdqma3, "cmdqma3", "3", QUIZ, "qma3p1", "qma3p2", 303, 110},
      {&Form1::cmdqma4, "cmdqma4", "4", QUIZ, "qma4p1", "qma4p2", 393, 110},
      {&Form1::cmdTLP, "cmdTLP", "Left Punch", TEKKEN, "tekkenleftpunchp1", "tekkenleftpunchp2",
       213, 60},
      {&Form1::cmdTRP, "cmdTRP", "Right Punch", TEKKEN, "tekkenrightpunchp1", "tekkenrightpunchp2",
       303, 60},
      {&Form1::cmdTLK, "cmdTLK", "Left Kick", TEKKEN, "tekkenleftkickp1", "tekkenleftkickp2", 213,
       160},
      {&Form1::cmdTRK, "cmdTRK", "Right Kick", TEKKEN, "tekkenrightkickp1", "tekkenrightkickp2",
       303, 160},
      {&Form1::SEAttackHor, "SEAttackHor", "Attack (Horizontal) / Low Attack", SOUL_EDGE,
       "seattackhorp1", "seattackhorp2", 168, 60},
      {&Form1::SEAttackVert, "SEAttackVert", "Attack (Vertical) / High Attack", SOUL_EDGE,
       "seattackvertp1", "seattackvertp2", 258, 60},
      {&Form1::SEKick, "SEKick", "Kick / Beast", SOUL_EDGE, "sekickp1", "sekickp2", 348, 60},
      {&Form1::SEGuard, "SEGuard", "Guard", SOUL_EDGE, "seguardp1", "seguardp2", 110, 160},
  };
  return rows;
}

void Form1::CreateBindingButtons()
{
  for (const BindingRow& row : BindingRows())
  {
    auto* button = new BindingButton(QString::fromLatin1(row.caption), fraOpt.at(row.page));
    button->setObjectName(QString::fromLatin1(row.name));
    button->setGeometry(row.x, row.y, BINDING_BUTTON_SIZE, BINDING_BUTTON_SIZE);
    this->*row.member = button;
    connect(button, &QPushButton::clicked, this, [this, &row] { OpenKeyCapture(row); });
    connect(button, &BindingButton::ClearRequested, this, [this, &row] { ClearBinding(row); });
  }
}

std::string_view Form1::SelectedSlot(const BindingRow& row) const
{
  return optP2->isChecked() ? row.slot_p2 : row.slot_p1;
}

void Form1::OpenKeyCapture(const BindingRow& row)
{
  const std::string_view slot = SelectedSlot(row);
  // An open dialog turns to the slot just chosen: its next key goes there.
  if (frmKeys::OpenFor(m_keys, m_session.bindings, slot, TargetText(row, slot)))
    connect(m_keys, &frmKeys::KeyTaken, this, &Form1::TakeCapturedKey);
}

void Form1::TakeCapturedKey()
{
  RefreshBindingButtons();
  const std::string& slot = m_session.bindings.CurrentSlotKey;
  m_keys->ShowClash(ClashText(slot, KeyCodeManager::FindClashes(m_session.bindings)));
}

void Form1::ClearBinding(const BindingRow& row)
{
  m_session.bindings.Set(SelectedSlot(row), std::string());
  RefreshBindingButtons();
}

void Form1::RefreshBindingButtons()
{
  const BindingTable& table = m_session.bindings;
  const ClashMap clashes = KeyCodeManager::FindClashes(table);
  for (const BindingRow& row : BindingRows())
    ShowBinding(*static_cast<BindingButton*>(this->*row.member), row, SelectedSlot(row), table,
                clashes);
}

} // namespace corvane
