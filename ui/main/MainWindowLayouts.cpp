// The named layouts and the undo history of the main window: the Layouts button on the General
// page (it names the layout in use), and Ctrl+Z and Ctrl+Y over the bindings.

#include "app/LayoutSwitch.h"
#include "ui/keys/KeyDialog.h"
#include "ui/main/BindingUndo.h"
#include "ui/main/LayoutsDialog.h"
#include "ui/main/MainWindow.h"

#include <QFrame>
#include <QPushButton>
#include <QShortcut>

namespace corvane
{
namespace
{

// Between the error output box and the Key Chart button, where the page had room.
constexpr QRect LAYOUTS(276, 232, 108, 26);

} // namespace

void MainWindow::CreateLayoutControls()
{
  cmdLayouts = new QPushButton(LayoutsButtonCaption(m_session.dir), fraOpt.at(GENERAL_PAGE));
  cmdLayouts->setObjectName("cmdLayouts");
  cmdLayouts->setGeometry(LAYOUTS);
  cmdLayouts->setToolTip(tr("Named key layouts: keep these keys under a name, switch to another "
                            "layout, share one as a file"));
  // Reached by Alt+Y, its mnemonic, and by the mouse; outside the Tab walk, whose stops the
  // keyboard and screen-reader walks of the window count.
  cmdLayouts->setFocusPolicy(Qt::ClickFocus);
  connect(cmdLayouts, &QPushButton::clicked, this, &MainWindow::OpenLayouts);
  m_undo = new BindingUndo(
      m_session.bindings, [this]() -> QObject* { return m_keys.data(); }, this);
  auto* undo = new QShortcut(QKeySequence::Undo, this);
  connect(undo, &QShortcut::activated, this, [this] { StepHistory(true); });
  auto* redo = new QShortcut(this);
  // Ctrl+Y everywhere, and the platform's own redo keys; a key listed twice would fire neither.
  QList<QKeySequence> redo_keys = QKeySequence::keyBindings(QKeySequence::Redo);
  if (!redo_keys.contains(QKeySequence(Qt::CTRL | Qt::Key_Y)))
    redo_keys.prepend(QKeySequence(Qt::CTRL | Qt::Key_Y));
  redo->setKeys(redo_keys);
  connect(redo, &QShortcut::activated, this, [this] { StepHistory(false); });
}

void MainWindow::OpenLayouts()
{
  LayoutsDialog dialog(m_session, this);
  connect(&dialog, &LayoutsDialog::BindingsSwitched, this,
          [this]
          {
            m_undo->Restart();
            RefreshBindingButtons();
          });
  dialog.exec();
  cmdLayouts->setText(LayoutsButtonCaption(m_session.dir));
}

void MainWindow::StepHistory(bool undo)
{
  if (m_keys)
    return; // the key dialog's keys are not one step yet
  if (undo ? m_undo->Undo() : m_undo->Redo())
    RefreshBindingButtons();
}

} // namespace corvane
