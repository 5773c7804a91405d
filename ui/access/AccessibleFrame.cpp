#include "ui/access/AccessibleFrame.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace corvane
{
namespace
{

const char* const FRAME_MARK = "corvaneFrame";

// Qt names a window's interface by its title already; only the role changes.
QAccessibleInterface* FrameFactory(const QString&, QObject* object)
{
  auto* widget = qobject_cast<QWidget*>(object);
  if (!widget || !widget->isWindow() || !widget->property(FRAME_MARK).toBool())
    return nullptr;
  return new QAccessibleWidget(widget, QAccessible::Window);
}

} // namespace

void ReportAsFrame(QWidget* window)
{
  QAccessible::installFactory(FrameFactory); // kept once however often it is installed
  window->setProperty(FRAME_MARK, true);
}

} // namespace corvane
