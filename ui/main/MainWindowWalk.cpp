// Bind All on every page with binding buttons, and the Key Chart window, from the main window.
// The buttons sit where the pages had room, so nothing of the pages' layout moves.

#include "ui/chart/KeyChartWindow.h"
#include "ui/keys/BindAllWalk.h"
#include "ui/keys/KeyDialog.h"
#include "ui/main/MainWindow.h"
#include "ui/widgets/BindingTexts.h"
#include "ui/widgets/PlayerChoice.h"

#include <QCheckBox>
#include <QFrame>
#include <QPushButton>
#include <QRadioButton>

namespace corvane
{
namespace
{

// Below the General page's Test and Service Mode, beside the error output box (after it in
// the reading order), above the row of wide buttons.
constexpr QRect GENERAL_BIND_ALL(483, 232, 90, 26);
constexpr QRect KEY_CHART(400, 232, 77, 26);
// The bottom right corner of a family's page, where no button stands.
constexpr QRect FAMILY_BIND_ALL(483, 262, 90, 26);
constexpr QRect SHARED_WALK(212, 180, 156, 20);

} // namespace

void MainWindow::CreateWalkButtons()
{
  for (int page = GENERAL_PAGE; page < BINDING_PAGE_COUNT; ++page)
  {
    auto* button = new QPushButton(tr("Bind &All..."), fraOpt.at(page));
    button->setObjectName(QStringLiteral("cmdBindAll%1").arg(page));
    button->setGeometry(page == GENERAL_PAGE ? GENERAL_BIND_ALL : FAMILY_BIND_ALL);
    button->setToolTip(page == GENERAL_PAGE
                           ? tr("Binds every input of this page in turn for the chosen player")
                           : tr("Binds the chosen player's directions and every input of this "
                                "page in turn"));
    connect(button, &QPushButton::clicked, this, [this, page] { BindAll(page); });
  }
  cmdKeyChart = new QPushButton(tr("Key C&hart..."), fraOpt.at(GENERAL_PAGE));
  cmdKeyChart->setObjectName("cmdKeyChart");
  cmdKeyChart->setGeometry(KEY_CHART);
  cmdKeyChart->setToolTip(tr("Every family's keys for both players, to read, print or export"));
  connect(cmdKeyChart, &QPushButton::clicked, this, &MainWindow::OpenKeyChart);
  // Between the cross and Start 1, where the page has room.
  chkWalkShared = CreateSharedWalkBox(fraOpt.at(GENERAL_PAGE), SHARED_WALK);
}

void MainWindow::BindAll(int page)
{
  const Player player = m_players.Chosen();
  const SharedInputs shared = SharedInputsFor(player, chkWalkShared->isChecked());
  // A family's walk sets everything a player of it uses: the directions of the General page and
  // the family's buttons.
  std::vector<WalkStep> walk = page == GENERAL_PAGE
                                   ? PageWalk(page, player, shared)
                                   : FamilyWalk(static_cast<GroupId>(page - 1), player, shared);
  BindAllWalk::Start(
      m_keys, m_session.bindings, std::move(walk),
      [this](std::string_view slot) { return KeyTakenNote(slot); }, this);
}

QString MainWindow::KeyTakenNote(std::string_view slot)
{
  RefreshBindingButtons();
  return ClashText(slot, KeyCodeManager::FindClashes(m_session.bindings));
}

void MainWindow::OpenKeyChart()
{
  if (!m_chart)
    m_chart = new KeyChartWindow(m_session, this);
  else
    m_chart->Refresh();
  m_chart->show();
  m_chart->raise();
  m_chart->activateWindow();
}

} // namespace corvane
