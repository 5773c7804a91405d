// The named layouts and the undo history of the main window: the Layouts button on the General
// page (it names the layout in use), and Ctrl+Z and Ctrl+Y over the bindings.

#include "app/LayoutSwitch.h"
#include "ui/desktop/QtText.h"
#include "ui/keys/KeyDialog.h"
#include "ui/keys/UndoSteps.h"
#include "ui/main/LayoutsDialog.h"
#include "ui/main/MainWindow.h"

#include <QFontMetrics>
#include <QFrame>
#include <QPushButton>

namespace corvane
{
namespace
{

// Between the error output box and the Key Chart button, where the page had room.
constexpr QRect LAYOUTS(276, 232, 118, 26);

// Room a push button keeps between its caption and its edges, on each side.
constexpr int CAPTION_MARGIN = 10;

// The button names the layout in use, cut to the button's width (a name may be any length), or
// asks for the layouts when none is in use.
QString LayoutsButtonCaption(const std::string& in_use, const QFontMetrics& metrics)
{
  if (in_use.empty())
    return QObject::tr("La&youts...");
  const QString caption = QObject::tr("La&yout: %1...");
  const int frame = metrics.horizontalAdvance(QString(caption).remove('&').arg(QString()));
  const QString name = metrics.elidedText(ToQString(in_use), Qt::ElideRight,
                                          LAYOUTS.width() - 2 * CAPTION_MARGIN - frame);
  return caption.arg(QString(name).replace('&', "&&"));
}

} // namespace

void MainWindow::CreateLayoutControls()
{
  cmdLayouts = new QPushButton(fraOpt.at(GENERAL_PAGE));
  cmdLayouts->setObjectName("cmdLayouts");
  cmdLayouts->setGeometry(LAYOUTS);
  ShowLayoutInUse();
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
  ShowLayoutInUse();
}

void MainWindow::ShowLayoutInUse()
{
  cmdLayouts->setText(
      LayoutsButtonCaption(LayoutStore::InUse(m_session.dir), cmdLayouts->fontMetrics()));
}

} // namespace corvane
