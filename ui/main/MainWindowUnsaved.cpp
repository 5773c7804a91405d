// What the main window counts as unsaved work, and the questions before that work would go: at
// the close box and before a launch.

#include "base/Messages.h"
#include "generate/WrapperConfig.h"
#include "ui/desktop/Dialogs.h"
#include "ui/desktop/QtText.h"
#include "ui/main/LaunchPage.h"
#include "ui/main/MainWindow.h"
#include "ui/main/UnsavedWork.h"
#include "ui/ownkeys/OwnKeysWindow.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLineEdit>

namespace corvane
{

KeyCodeManager::SaveRequest MainWindow::ShownRequest() const
{
  const std::string options = OptionsText();
  return {m_session.bindings,
          ShownGeneralOptions(),
          options,
          m_session.settings,
          [this, options]
          {
            auto written = ZincListMan::WriteWrapperConfig(m_session.dir, m_session.games, options);
            return KeyCodeManager::WrapperStepResult{written.wrapper_missing, written.outcome};
          },
          m_session.game_keys ? &*m_session.game_keys : nullptr};
}

void MainWindow::TrackUnsavedChanges()
{
  // What the load showed is what the files hold.
  m_session.saved.TakeLoad(ShownRequest());
  m_unsaved = new UnsavedWork(*this, ToQString(Messages::MAIN_CAPTION));
  m_unsaved->Count([this] { return !m_session.saved.Holds(ShownRequest()); });
  // Binding changes arrive through RefreshBindingButtons; the boxes and texts tell their own.
  for (QCheckBox* box : {chkError, chkCfgWrapper, chkMakeDat, m_launch->chkShowcmd})
    m_unsaved->Watch(box);
  for (QLineEdit* box : {txtError, m_launch->txtCommand})
    m_unsaved->Watch(box);
}

bool MainWindow::HasUnsavedChanges() const
{
  return m_unsaved && m_unsaved->Any();
}

void MainWindow::CountGroupingMoves(std::function<bool()> pending, std::function<void()> save)
{
  m_grouping_moves_pending = pending;
  m_save_grouping_moves = std::move(save);
  m_unsaved->Count(std::move(pending));
}

void MainWindow::NoteListsRewritten()
{
  m_session.saved.NoteListsRewritten();
  UpdateUnsavedMark();
}

void MainWindow::UpdateUnsavedMark()
{
  if (m_unsaved)
    m_unsaved->UpdateMark();
}

void MainWindow::SaveWithGroupingMoves()
{
  // The grouping window's Save writes the lists and then runs this window's save; a list it
  // could not write keeps the moves there and says why, rather than a save here reading the
  // lists back over them.
  if (m_grouping_moves_pending && m_grouping_moves_pending())
    m_save_grouping_moves();
  else
    SaveAllChanges();
}

bool MainWindow::MayClose()
{
  // Each Own Keys window asks about its own keys first; one kept open keeps this one open.
  for (OwnKeysWindow* own : findChildren<OwnKeysWindow*>())
    if (own->isVisible() && !own->close())
      return false;
  return m_unsaved->MayLeave(Messages::UNSAVED_QUESTION, UnsavedMoment::Closing,
                             [this] { SaveWithGroupingMoves(); });
}

bool MainWindow::MayLaunch()
{
  // The game reads its keys from the files: starting it quietly with the old ones would look
  // as if the changes did nothing. The options and Show Command Line count as shown.
  const bool files_wait = !m_session.saved.HoldsGameFiles(ShownRequest()) ||
                          (m_grouping_moves_pending && m_grouping_moves_pending());
  return !files_wait ||
         m_unsaved->MayLeave(Messages::LAUNCH_UNSAVED_QUESTION, UnsavedMoment::Launching,
                             [this] { SaveWithGroupingMoves(); });
}

void MainWindow::closeEvent(QCloseEvent* event)
{
  // The close box asks before unsaved changes go; Cancel ends the run without asking.
  if (!m_ending && !MayClose())
  {
    event->ignore();
    return;
  }
  event->accept();
  EndProgram();
}

} // namespace corvane
