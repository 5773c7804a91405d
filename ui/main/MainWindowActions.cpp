// What the main window's launch and editor buttons do.

#include "app/LaunchCommand.h"
#include "base/FileIo.h"
#include "base/Messages.h"
#include "base/Process.h"
#include "generate/EmulatorConfig.h"
#include "ui/desktop/Dialogs.h"
#include "ui/main/LaunchCheck.h"
#include "ui/main/MainWindow.h"
#include "ui/ownkeys/OwnKeysWindow.h"
#include "ui/widgets/WaitingWindow.h"

#include <QListWidget>

namespace corvane
{
namespace
{

// Opens one of the emulator's files in the editor; a failure names the file it was meant for
// and, where no one editor is always there, what would make one work.
void EditOrReport(QWidget* parent, const AppDir& dir, std::string_view file_name)
{
#ifdef _WIN32
  constexpr std::string_view failed = Messages::EDITOR_FAILED;
#else
  constexpr std::string_view failed = Messages::NO_TEXT_EDITOR;
#endif
  if (!OpenInEditor(dir, file_name))
    ShowMessage(parent, MessageKind::Warning, std::string(failed) + ": " + dir.File(file_name));
}

} // namespace

int MainWindow::SelectedGameRow() const
{
  const QList<QListWidgetItem*> selected = lstGames->selectedItems();
  if (selected.isEmpty())
    return -1;
  const int row = lstGames->row(selected.front());
  return row <= m_session.games.LastGameIndex() ? row : -1;
}

void MainWindow::OpenOwnKeys()
{
  const int row = SelectedGameRow();
  if (row < 0)
    return;
  const std::string& set_name = m_session.games.rows[static_cast<size_t>(row)].set_name;
  const auto family = ZincListMan::FamilyOf(m_session.groups, set_name);
  if (!m_session.game_keys)
    ShowMessage(this, MessageKind::Warning, Messages::OWN_KEYS_UNREADABLE);
  else if (!family)
    ShowMessage(this, MessageKind::Plain, Messages::OWN_KEYS_NO_FAMILY);
  else
  {
    auto* window = new OwnKeysWindow(m_session, static_cast<size_t>(row), *family, this);
    window->setWindowFlag(Qt::Window);
    window->show();
    // It takes the focus as the key dialog does, so the keyboard and a screen reader are there.
    window->raise();
    window->activateWindow();
  }
}

void MainWindow::LaunchSelected()
{
  const int row = SelectedGameRow();
  if (row < 0 || !TypedTextFitsCodePage())
    return;
  const GameRow& game = m_session.games.rows[static_cast<size_t>(row)];
  const EmulatorRoute route = EmulatorRouteFor(m_session.dir);
  const std::string line = LaunchCommandLine(game, OptionsText(), m_session.dir, route);
  // Never start a line that would give the emulator another game or another controller file.
  if (const std::string refusal = LaunchRefusal(game, line, m_session.dir, route); !refusal.empty())
  {
    ShowMessage(this, MessageKind::Warning, refusal);
    return;
  }
  if (!ConfirmLaunchWithoutGameFile(this, m_session, game.set_name))
    return;
  SetCurrentDir(m_session.dir.Root());
  // The line shown is the line started, Wine's name included.
  if (m_session.settings.ShowCmdFlag == 1)
    ShowMessage(this, MessageKind::Plain, line);
  // Through Wine the first seconds tell whether the game started; the window stays painted.
  Outcome started;
  if (route.kind == RouteKind::Wine)
    RunWithWaitingWindow([&] { started = StartGame(line, m_session.dir, route); },
                         Messages::WAITING_FOR_WINE_START);
  else
    started = StartGame(line, m_session.dir, route);
  ReportLaunch(game, started);
}

void MainWindow::LaunchItem(QListWidgetItem* item)
{
  if (!item)
    return;
  lstGames->setCurrentItem(item);
  LaunchSelected();
}

void MainWindow::ManageZincOptions()
{
  SetCurrentDir(m_session.dir.Root());
  if (!IsRegularFile(m_session.dir.File(EMULATOR_CONFIG_FILE)))
  {
    ShowMessage(this, MessageKind::Plain, Messages::DEFAULT_CFG_CREATED);
    // The option listing may take seconds through Wine: off the window's thread, with word.
    Outcome made;
    RunWithWaitingWindow([&] { made = ZincListMan::MakeDefaultEmulatorConfig(m_session.dir); },
                         Messages::WAITING_FOR_OPTIONS);
    ShowProblems(this, {}, made.Describe());
    // Nothing was made: there is no file to open.
    if (!IsRegularFile(m_session.dir.File(EMULATOR_CONFIG_FILE)))
      return;
  }
  EditOrReport(this, m_session.dir, EMULATOR_CONFIG_FILE);
}

void MainWindow::ManageRendererConfig()
{
#ifndef _WIN32
  // Notepad offers to create a missing file; the openers here would only fail on it.
  if (!IsRegularFile(m_session.dir.File(RENDERER_CONFIG_FILE)))
  {
    ShowMessage(this, MessageKind::Warning,
                std::string(Messages::RENDERER_CONFIG_MISSING) + ": " +
                    m_session.dir.File(RENDERER_CONFIG_FILE));
    return;
  }
#endif
  EditOrReport(this, m_session.dir, RENDERER_CONFIG_FILE);
}

} // namespace corvane
