// What the main window's launch and editor buttons do.

#include "base/FileIo.h"
#include "base/Messages.h"
#include "base/Process.h"
#include "generate/EmulatorConfig.h"
#include "ui/Dialogs.h"
#include "ui/Form1.h"
#include "ui/LaunchCommand.h"

#include <QListWidget>

namespace corvane
{

void Form1::LaunchSelected()
{
  const QList<QListWidgetItem*> selected = lstGames->selectedItems();
  if (selected.isEmpty())
    return;
  const int row = lstGames->row(selected.front());
  if (row < 0 || row > m_session.games.LastGameIndex())
    return;
  const GameRow& game = m_session.games.rows[static_cast<size_t>(row)];
  if (!IsLaunchable(game))
  {
    ShowMessage(this, MessageKind::Warning, Messages::LAUNCH_BAD_ENTRY);
    return;
  }
  const std::string& dir = m_session.dir.Root();
  const std::string line = LaunchCommandLine(game, OptionsText(), m_session.dir);
  SetCurrentDir(dir);
  if (m_session.settings.ShowCmdFlag == 1)
    ShowMessage(this, MessageKind::Plain, line);
  // The start-up check was long ago; the emulator may have gone since.
  if (!IsRegularFile(m_session.dir.File("zinc.exe")) || !StartDetached(line, dir))
    ShowMessage(this, MessageKind::Warning, Messages::LAUNCH_FAILED);
}

void Form1::LaunchItem(QListWidgetItem* item)
{
  if (!item)
    return;
  lstGames->setCurrentItem(item);
  LaunchSelected();
}

void Form1::ManageZincOptions()
{
  SetCurrentDir(m_session.dir.Root());
  if (!IsRegularFile(m_session.dir.File(EMULATOR_CONFIG_FILE)))
  {
    ShowMessage(this, MessageKind::Plain, Messages::DEFAULT_CFG_CREATED);
    const Outcome made = ZincListMan::MakeDefaultEmulatorConfig(m_session.dir);
    ShowProblems(this, {}, made.Describe());
  }
  if (!OpenInEditor(m_session.dir, EMULATOR_CONFIG_FILE))
    ShowMessage(this, MessageKind::Warning, Messages::EDITOR_FAILED);
}

void Form1::ManageRendererConfig()
{
  if (!OpenInEditor(m_session.dir, RENDERER_CONFIG_FILE))
    ShowMessage(this, MessageKind::Warning, Messages::EDITOR_FAILED);
}

} // namespace corvane
