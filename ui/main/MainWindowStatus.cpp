// The status line above the pages: what the last launch did, until the next button is pressed.

#include "base/Messages.h"
#include "ui/access/Announcer.h"
#include "ui/desktop/Dialogs.h"
#include "ui/desktop/QtText.h"
#include "ui/main/MainWindow.h"

#include <QAbstractButton>
#include <QLabel>

namespace corvane
{

void MainWindow::CreateStatusLine()
{
  // In the band between the tab rows and the pages, seen on every page.
  lblStatus = new QLabel(this);
  lblStatus->setObjectName("lblStatus");
  lblStatus->setGeometry(8, 48, 581, 18);
  lblStatus->setTextFormat(Qt::PlainText);
  lblStatus->setAccessibleName(tr("Status"));
  // A button's press comes before its own work, so the line it sets is not cleared after it.
  for (QAbstractButton* button : findChildren<QAbstractButton*>())
    connect(button, &QAbstractButton::pressed, this, [this] { ShowStatus({}); });
}

void MainWindow::ShowStatus(const QString& text)
{
  lblStatus->setText(text);
  lblStatus->setToolTip(text);
  Announce(this, text);
}

void MainWindow::ReportLaunch(const GameRow& game, const Outcome& started)
{
  const QString name =
      ToQString(game.title) + QStringLiteral(" (") + ToQString(game.set_name) + QLatin1Char(')');
  if (started.Ok())
  {
    ShowStatus(ToQString(Messages::LAUNCH_STARTED) + QLatin1Char(' ') + name);
    return;
  }
  ShowStatus(ToQString(Messages::LAUNCH_NOT_STARTED) + QLatin1Char(' ') + name);
  ShowMessage(this, MessageKind::Warning, started.Describe());
}

} // namespace corvane
