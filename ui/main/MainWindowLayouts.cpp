// The named layouts and the undo history of the main window: the Layouts button on the General
// page (it names the layout in use), and Ctrl+Z and Ctrl+Y over the bindings.

#include "app/LayoutSwitch.h"
#include "ui/keys/KeyDialog.h"
#include "ui/keys/UndoSteps.h"
#include "ui/main/LayoutsDialog.h"
#include "ui/main/MainWindow.h"

#include <QFrame>
#include <QPushButton>

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
  m_undo = std::make_unique<UndoSteps<BindingTable>>([this] { return m_session.bindings; },
                                                     [this](const BindingTable& bindings)
                                                     {
                                                       m_session.bindings = bindings;
                                                       RefreshBindingButtons();
                                                     },
                                                     [this]() -> QObject* { return m_keys.data(); },
                                                     this);
  AddUndoShortcuts(this, [this](bool undo) { m_undo->Step(undo); });
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

} // namespace corvane
