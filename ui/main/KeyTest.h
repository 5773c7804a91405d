#pragma once

// The live key test of the main window: while it runs, every key pressed in the window is read
// as the key dialog reads it and handed to the owner instead of doing what it would do (no
// shortcut fires, Tab does not move the focus). Escape ends it. It changes no binding.

#include "controls/KeyPress.h"

#include <QObject>

#include <functional>

class QWidget;

namespace corvane
{

class KeyTest : public QObject
{
  Q_OBJECT

public:
  // `pressed` gets each key pressed in `window` while the test runs.
  using Pressed = std::function<void(const KeyCodeManager::PressedKey& key)>;
  KeyTest(QWidget& window, Pressed pressed);

  void Start();
  void Stop();
  bool Running() const { return m_running; }

signals:
  // The test has ended: Escape, or Stop.
  void Stopped();

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  bool InWindow(QObject* watched) const;

  QWidget& m_window;
  Pressed m_pressed;
  bool m_running = false;
};

} // namespace corvane
