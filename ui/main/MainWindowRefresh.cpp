// The main window taking in the listings run behind it at a start from the last listing.

#include "base/Messages.h"
#include "ui/chart/KeyChartWindow.h"
#include "ui/desktop/QtText.h"
#include "ui/main/LaunchPage.h"
#include "ui/main/MainWindow.h"

#include <QApplication>
#include <QThread>

namespace corvane
{
namespace
{

// How often a refresh that found the window busy tries again.
constexpr int BUSY_RETRY_MS = 250;

// The status line holds one line: the first problem, with its file.
QString FirstProblem(const Outcome& outcome)
{
  if (outcome.Ok())
    return {};
  const Problem& first = outcome.problems.front();
  return ToQString(first.file.empty() ? first.what : first.what + ": " + first.file);
}

// A message box, a waiting window or a dialog of the window's own runs an event loop inside the
// window's: a launch or a walk may hold a game row meanwhile, so the table stays as it is.
bool WindowIsBusy()
{
  return QThread::currentThread()->loopLevel() > 1 || QApplication::activeModalWidget() != nullptr;
}

} // namespace

void MainWindow::TakeRefreshedListing(const XpStyles::ListingRefresh& refresh)
{
  if (m_ending)
    return;
  if (WindowIsBusy())
  {
    m_waiting_refresh = refresh;
    m_refresh_retry.setSingleShot(true);
    connect(&m_refresh_retry, &QTimer::timeout, this, &MainWindow::TakeWaitingRefresh,
            Qt::UniqueConnection);
    m_refresh_retry.start(BUSY_RETRY_MS);
    return;
  }
  if (!refresh.listed)
  {
    m_launch->ShowStatus(ToQString(Messages::GAME_LIST_NOT_UPDATED) + QLatin1Char(' ') +
                         FirstProblem(refresh.outcome));
    return;
  }
  const bool changed = refresh.table.rows.size() != m_session.games.rows.size() ||
                       ZincListMan::GameTableFileText(refresh.table) !=
                           ZincListMan::GameTableFileText(m_session.games);
  if (changed)
  {
    const int row = m_launch->SelectedGameRow();
    const std::string selected =
        row < 0 ? std::string() : m_session.games.rows[static_cast<size_t>(row)].set_name;
    m_session.games = refresh.table;
    m_launch->ListGames(selected);
    if (m_chart)
      m_chart->Refresh(); // its games with keys of their own are named from the list
    emit GamesRelisted();
  }
  // A problem after the listing (a file not written) is said even when the list is the same.
  if (!refresh.outcome.Ok())
    m_launch->ShowStatus(ToQString(Messages::GAME_LIST_CHECK_PROBLEM) + QLatin1Char(' ') +
                         FirstProblem(refresh.outcome));
  else if (changed)
    m_launch->ShowStatus(ToQString(Messages::GAME_LIST_UPDATED) +
                         QStringLiteral(" (%1 games)").arg(m_session.games.rows.size()));
}

void MainWindow::TakeWaitingRefresh()
{
  if (!m_waiting_refresh)
    return;
  const XpStyles::ListingRefresh refresh = std::move(*m_waiting_refresh);
  m_waiting_refresh.reset();
  TakeRefreshedListing(refresh);
}

} // namespace corvane
