// The status line above the pages: what the last launch did, until the next button is pressed.

#include "base/Messages.h"
#include "ui/access/Announcer.h"
#include "ui/desktop/Dialogs.h"
#include "ui/desktop/QtText.h"
#include "ui/main/MainWindow.h"
#include "ui/widgets/TabStrip.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QLabel>

namespace corvane
{
namespace
{

constexpr int STATUS_GAP = 2;     // from the tab rows above and the page frame below
constexpr int STATUS_INDENT = 12; // in from the pane's edge, as the pages' text stands
constexpr qreal MIN_STATUS_POINTS = 6;

} // namespace

void MainWindow::CreateStatusLine()
{
  // In the band between the tab rows and the pages, seen on every page. The rows grow with the
  // type and the pages stay where they are, so the line takes what the rows leave, clear of the
  // strip's lines, in smaller type where the band is narrow.
  lblStatus = new QLabel(this);
  lblStatus->setObjectName("lblStatus");
  const int top = TabStrip1->TabsHeight() + STATUS_GAP;
  const int height = fraOpt.front()->y() - STATUS_GAP - top;
  lblStatus->setGeometry(STATUS_INDENT, top, fraOpt.front()->width() - STATUS_INDENT, height);
  lblStatus->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  QFont type = lblStatus->font();
  while (QFontMetrics(type).height() > height && type.pointSizeF() > MIN_STATUS_POINTS)
    type.setPointSizeF(type.pointSizeF() - 0.5);
  lblStatus->setFont(type);
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
