#include "ui/main/KeyTest.h"

#include "ui/keys/KeyDialog.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <QWindow>

namespace corvane
{

KeyTest::KeyTest(QWidget& window, Pressed pressed)
    : QObject(&window), m_window(window), m_pressed(std::move(pressed))
{
}

void KeyTest::Start()
{
  if (m_running)
    return;
  m_running = true;
  // On the application: a key goes to the widget with the focus, wherever it is in the window.
  qApp->installEventFilter(this);
}

void KeyTest::Stop()
{
  if (!m_running)
    return;
  m_running = false;
  qApp->removeEventFilter(this);
  emit Stopped();
}

bool KeyTest::InWindow(QObject* watched) const
{
  // A key meant for the window with no widget in focus goes to its native window first.
  if (watched == m_window.windowHandle())
    return true;
  auto* widget = qobject_cast<QWidget*>(watched);
  return widget && widget->window() == &m_window;
}

bool KeyTest::eventFilter(QObject* watched, QEvent* event)
{
  const QEvent::Type type = event->type();
  const bool key_event =
      type == QEvent::ShortcutOverride || type == QEvent::KeyPress || type == QEvent::KeyRelease;
  if (!key_event || !InWindow(watched))
    return false;
  // Accepted, the override keeps every shortcut (Ctrl+Z, a mnemonic) from taking the key.
  event->accept();
  const auto& key = *static_cast<QKeyEvent*>(event);
  if (type != QEvent::KeyPress || key.isAutoRepeat())
    return true;
  if (key.key() == Qt::Key_Escape && key.modifiers() == Qt::NoModifier)
    Stop();
  else
    m_pressed(KeyCodeManager::KeyFromPress(PressOf(key)));
  return true;
}

} // namespace corvane
