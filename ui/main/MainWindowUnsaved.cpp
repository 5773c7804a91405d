// The mark in the title while something is unsaved, and the question when the close box would
// throw it away.

#include "base/Messages.h"
#include "ui/desktop/Dialogs.h"
#include "ui/desktop/QtText.h"
#include "ui/main/MainWindow.h"
#include "ui/ownkeys/OwnKeysWindow.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLineEdit>

namespace corvane
{

MainWindow::ShownValues MainWindow::CurrentValues() const
{
  ShownValues values;
  const auto& slot_keys = BindingTable::SlotKeys();
  for (size_t slot = 0; slot < slot_keys.size(); ++slot)
    values.bindings[slot] = m_session.bindings.Get(slot_keys[slot]);
  values.no_error = ShownGeneralOptions().no_error;
  values.error_output = txtError->text();
  values.options = txtCommand->text();
  const FrontendSettings& settings = m_session.settings;
  values.flags = {settings.CfgWrapperFlag, settings.MakeDatFlag, settings.ShowCmdFlag};
  return values;
}

bool MainWindow::HasUnsavedChanges() const
{
  return m_saved && (m_lists_rewritten || CurrentValues() != *m_saved);
}

void MainWindow::TrackUnsavedChanges()
{
  // Binding changes arrive through RefreshBindingButtons; the boxes and texts tell their own.
  for (QCheckBox* box : {chkError, chkCfgWrapper, chkMakeDat, chkShowcmd})
    connect(box, &QCheckBox::stateChanged, this, &MainWindow::UpdateUnsavedMark);
  for (QLineEdit* box : {txtError, txtCommand})
    connect(box, &QLineEdit::textChanged, this, &MainWindow::UpdateUnsavedMark);
  MarkSaved();
}

void MainWindow::MarkSaved()
{
  m_saved = CurrentValues();
  m_lists_rewritten = false;
  UpdateUnsavedMark();
}

void MainWindow::NoteListsRewritten()
{
  m_lists_rewritten = true;
  UpdateUnsavedMark();
}

void MainWindow::UpdateUnsavedMark()
{
  // A leading "*", as desktop editors mark a document; a window with nothing unsaved keeps its
  // caption exactly.
  const QString caption = ToQString(Messages::MAIN_CAPTION);
  setWindowTitle(HasUnsavedChanges() ? ToQString(Messages::UNSAVED_MARK) + caption : caption);
}

bool MainWindow::MayClose()
{
  // Each Own Keys window asks about its own keys first; one kept open keeps this one open.
  for (OwnKeysWindow* own : findChildren<OwnKeysWindow*>())
    if (own->isVisible() && !own->close())
      return false;
  if (!HasUnsavedChanges())
    return true;
  switch (AskAboutUnsaved(this, Messages::UNSAVED_QUESTION))
  {
  case UnsavedAnswer::Save:
    SaveAllChanges();
    // A save that was refused or went wrong has told why; the window stays with the changes.
    return !HasUnsavedChanges();
  case UnsavedAnswer::Discard:
    return true;
  case UnsavedAnswer::Cancel:
    break;
  }
  return false;
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
