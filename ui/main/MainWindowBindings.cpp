// The binding buttons: one table row per button, one handler for all of them.

#include "ui/access/Announcer.h"
#include "ui/chart/KeyChartWindow.h"
#include "ui/desktop/QtText.h"
#include "ui/keyboard/KeyboardLayout.h"
#include "ui/keys/KeyDialog.h"
#include "ui/keys/UndoSteps.h"
#include "ui/main/MainWindow.h"
#include "ui/widgets/BindingButton.h"
#include "ui/widgets/BindingTexts.h"

#include <QFrame>
#include <QRadioButton>

namespace corvane
{

void MainWindow::CreateBindingButtons()
{
  for (const BindingRow& row : BindingRows())
  {
    auto* button = new BindingButton(CaptionText(row.caption), fraOpt.at(row.page));
    button->setObjectName(CaptionText(row.name));
    button->setGeometry(row.x, row.y, BINDING_BUTTON_SIZE, BINDING_BUTTON_SIZE);
    m_binding_buttons.push_back(button);
    connect(button, &QPushButton::clicked, this, [this, &row] { OpenKeyCapture(row); });
    connect(button, &BindingButton::ClearRequested, this, [this, &row] { ClearBinding(row); });
  }
}

void MainWindow::OpenKeyCapture(const BindingRow& row)
{
  const std::string_view slot = m_players.SelectedSlot(row);
  // An open dialog turns to the slot just chosen: its next key goes there.
  if (KeyDialog::OpenFor(m_keys, m_session.bindings, slot, TargetText(row, slot)))
    connect(m_keys, &KeyDialog::KeyTaken, this, &MainWindow::TakeCapturedKey);
}

void MainWindow::TakeCapturedKey()
{
  const std::string slot = m_session.bindings.CurrentSlotKey;
  const QString note = KeyTakenNote(slot);
  m_keys->ShowClash(note);
  // A clash keeps the dialog open and is heard there; a key taken is heard in this window, which
  // outlives the closing dialog.
  QWidget* heard_in = note.isEmpty() ? static_cast<QWidget*>(this) : m_keys.data();
  Announce(heard_in, SpokenCapture(slot, m_session.bindings,
                                   KeyCodeManager::FindClashes(m_session.bindings)));
}

void MainWindow::ClearBinding(const BindingRow& row)
{
  const std::string_view slot = m_players.SelectedSlot(row);
  m_session.bindings.Set(slot, std::string());
  RefreshBindingButtons();
  Announce(this, SpokenBinding(row, slot, std::string()));
}

void MainWindow::changeEvent(QEvent* event)
{
  // Keys are named in the keyboard layout in force: a player who switched layouts elsewhere
  // finds the new names on coming back.
  if (IsKeyboardLayoutMoment(*event, *this))
    RefreshBindingButtons();
  QWidget::changeEvent(event);
}

void MainWindow::RefreshBindingButtons()
{
  const BindingTable& table = m_session.bindings;
  const ClashMap clashes = KeyCodeManager::FindClashes(table);
  const std::vector<BindingRow>& rows = BindingRows();
  for (size_t i = 0; i < rows.size(); ++i)
    ShowBinding(*m_binding_buttons.at(i), rows[i], m_players.SelectedSlot(rows[i]), table, clashes);
  if (m_chart)
    m_chart->Refresh(); // an open chart follows the keys as they change
  if (m_undo)
    m_undo->Note();
  UpdateUnsavedMark();
}

} // namespace corvane
