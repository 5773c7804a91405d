// Resets, copies and the live key test of the main window. Each binding page has a Reset/Copy
// menu and a Test Keys button at its top, between the cross and the right half, where no page
// has a control; a binding button's context menu resets its own input. Every change asks first,
// naming what it changes, and is one step of the undo history.

#include "base/Messages.h"
#include "controls/BindingEdits.h"
#include "ui/access/Announcer.h"
#include "ui/desktop/Dialogs.h"
#include "ui/desktop/QtText.h"
#include "ui/keys/KeyDialog.h"
#include "ui/main/KeyTest.h"
#include "ui/main/MainWindow.h"
#include "ui/widgets/BindingButton.h"
#include "ui/widgets/TabStrip.h"

#include <QFrame>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QToolTip>

#include <algorithm>

namespace corvane
{
namespace
{

constexpr QRect EDIT_MENU(206, 8, 78, 26);
constexpr QRect KEY_TEST(288, 8, 78, 26);
constexpr int FIRST_BUTTON_COLUMN = 8; // where the pages' leftmost buttons stand

} // namespace

void MainWindow::CreateEditControls()
{
  for (int page = GENERAL_PAGE; page < BINDING_PAGE_COUNT; ++page)
  {
    CreateEditMenu(page);
    auto* test = new QPushButton(tr("Test &Keys"), fraOpt.at(page));
    test->setObjectName(QStringLiteral("cmdKeyTest%1").arg(page));
    test->setGeometry(KEY_TEST);
    test->setCheckable(true);
    test->setToolTip(ToQString(Messages::KEY_TEST_HINT));
    // Reached by its mnemonic, outside the Tab walk, as the Layouts button is.
    test->setFocusPolicy(Qt::ClickFocus);
    connect(test, &QPushButton::toggled, this, &MainWindow::SwitchKeyTest);
    m_key_test_buttons.push_back(test);
  }
  m_key_test = new KeyTest(*this, [this](const KeyCodeManager::PressedKey& key) { TestKey(key); });
  connect(m_key_test, &KeyTest::Stopped, this, [this] { SwitchKeyTest(false); });
  const std::vector<BindingRow>& rows = BindingRows();
  for (size_t i = 0; i < rows.size(); ++i)
  {
    BindingButton* button = m_binding_buttons.at(i);
    button->SetResetText(tr("Reset to the First-Run Key..."));
    connect(button, &BindingButton::ResetRequested, this,
            [this, &row = rows[i]] {
              AskAndReset({ResetScope::Kind::Input, &row, m_players.Chosen(), row.page});
            });
  }
}

void MainWindow::CreateEditMenu(int page)
{
  auto* button = new QPushButton(tr("&Reset/Copy"), fraOpt.at(page));
  button->setObjectName(QStringLiteral("cmdEdits%1").arg(page));
  button->setGeometry(EDIT_MENU);
  button->setToolTip(tr("Reset this page's keys or all keys, or copy one player's keys of this "
                        "page to the other"));
  button->setFocusPolicy(Qt::ClickFocus);
  auto* menu = new QMenu(button);
  menu->setObjectName(QStringLiteral("mnuEdits%1").arg(page));
  menu->addAction(tr("Reset This Page's Keys..."), this,
                  [this, page] {
                    AskAndReset({ResetScope::Kind::Family, nullptr, Player::One, page});
                  });
  menu->addAction(tr("Copy Player 1's Keys to Player 2..."), this,
                  [this, page] { AskAndCopy(page, Player::One); });
  menu->addAction(tr("Copy Player 2's Keys to Player 1..."), this,
                  [this, page] { AskAndCopy(page, Player::Two); });
  menu->addSeparator();
  menu->addAction(tr("Reset Every Key..."), this,
                  [this] {
                    AskAndReset({ResetScope::Kind::Everything, nullptr, Player::One, 0});
                  });
  button->setMenu(menu);
}

void MainWindow::CloseKeyDialog()
{
  // Its keys become a step of their own as it goes, before the change that follows.
  delete m_keys.data();
}

void MainWindow::AskAndReset(const ResetScope& scope)
{
  CloseKeyDialog();
  if (!AskYesNo(this, DescribeReset(scope)))
    return;
  Reset(m_session.bindings, scope);
  RefreshBindingButtons(); // one step of the undo history
}

void MainWindow::AskAndCopy(int page, Player from)
{
  CloseKeyDialog();
  const CopyPlan plan = PlanCopy(m_session.bindings, page, from);
  if (!AskYesNo(this, DescribeCopy(plan)))
    return;
  ApplyCopy(m_session.bindings, plan);
  RefreshBindingButtons();
}

void MainWindow::SwitchKeyTest(bool on)
{
  for (QPushButton* button : m_key_test_buttons)
  {
    const QSignalBlocker quiet(button);
    button->setChecked(on);
  }
  if (on)
  {
    m_key_test->Start();
    Announce(this, ToQString(Messages::KEY_TEST_HINT));
    return;
  }
  m_key_test->Stop();
  for (BindingButton* button : m_binding_buttons)
    button->SetLit(false);
}

void MainWindow::TestKey(const KeyCodeManager::PressedKey& key)
{
  const Player player = m_players.Chosen();
  const std::vector<BindingRow>& rows = BindingRows();
  const bool binds = KeyCodeManager::TokenBindsKey(key.token);
  for (size_t i = 0; i < rows.size(); ++i)
  {
    const std::string_view slot = m_players.SelectedSlot(rows[i]);
    m_binding_buttons.at(i)->SetLit(binds && m_session.bindings.Get(slot) == key.token);
  }
  const QString line = ToQString(KeyTestLine(m_session.bindings, key.token, player, key.name));
  Announce(this, line);
  // The same line for the eye, from the page's left edge under its Test Keys button.
  const int page = std::min(TabStrip1->currentIndex(), BINDING_PAGE_COUNT - 1);
  QPushButton* shown = m_key_test_buttons.at(static_cast<size_t>(page));
  const QPoint under(FIRST_BUTTON_COLUMN, shown->geometry().bottom() + 2);
  QToolTip::showText(fraOpt.at(static_cast<size_t>(page))->mapToGlobal(under), line, shown);
}

} // namespace corvane
