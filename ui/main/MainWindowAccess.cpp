// Keyboard and screen-reader access to the main window: names for the controls without a
// caption, the pages' keyboard shortcuts and the focus order.

#include "base/Messages.h"
#include "ui/desktop/QtText.h"
#include "ui/main/MainWindow.h"
#include "ui/widgets/TabStrip.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>

#include <algorithm>

namespace corvane
{
namespace
{

// The controls of a page that Tab can reach, top to bottom and, on one line, left to right.
std::vector<QWidget*> ReadingOrder(const QWidget* page)
{
  std::vector<QWidget*> controls;
  for (QWidget* child : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    if (child->focusPolicy() & Qt::TabFocus)
      controls.push_back(child);
  std::stable_sort(controls.begin(), controls.end(),
                   [](const QWidget* a, const QWidget* b)
                   { return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x()); });
  return controls;
}

// The platform's keys for a standard action plus one more, each once: a key bound twice in a
// window would fire neither shortcut.
QList<QKeySequence> KeysWith(QKeySequence::StandardKey standard, const QKeySequence& extra)
{
  QList<QKeySequence> keys = QKeySequence::keyBindings(standard);
  if (!keys.contains(extra))
    keys.append(extra);
  return keys;
}

} // namespace

void MainWindow::NameControls()
{
  // A label beside a control names it; the rest get a short plain name. Binding buttons,
  // check boxes and option buttons are named by their captions.
  txtError->setAccessibleName(ToQString(Messages::ERROR_OUTPUT_NAME));
  txtError->setToolTip(ToQString(Messages::ERROR_OUTPUT_TIP));
}

void MainWindow::CreateKeyboardShortcuts()
{
  // Ctrl+Tab and Ctrl+PgDn turn to the next page, Ctrl+Shift+Tab and Ctrl+PgUp to the previous
  // one, wherever the focus is in the window.
  auto* next = new QShortcut(this);
  next->setKeys(KeysWith(QKeySequence::NextChild, QKeySequence(Qt::CTRL | Qt::Key_PageDown)));
  connect(next, &QShortcut::activated, this, [this] { TurnPage(1); });
  auto* previous = new QShortcut(this);
  previous->setKeys(KeysWith(QKeySequence::PreviousChild, QKeySequence(Qt::CTRL | Qt::Key_PageUp)));
  connect(previous, &QShortcut::activated, this, [this] { TurnPage(-1); });
}

void MainWindow::SetFocusOrder()
{
  // Every page in reading order (only the shown one is reachable), then the controls below the
  // pages from left to right, then the tab strip; Tab from there returns to the page.
  std::vector<QWidget*> chain;
  for (const QFrame* page : fraOpt)
    std::ranges::copy(ReadingOrder(page), std::back_inserter(chain));
  for (QWidget* control :
       std::initializer_list<QWidget*>{m_players.player1, m_players.player2, chkCfgWrapper,
                                       chkMakeDat, m_save_row.save, m_save_row.cancel, TabStrip1})
    chain.push_back(control);
  for (size_t i = 1; i < chain.size(); ++i)
    setTabOrder(chain[i - 1], chain[i]);
  // The window opens with the focus on the first control of the first page, not on the strip.
  chain.front()->setFocus();
}

void MainWindow::FocusFirstControlOf(QWidget* page)
{
  const std::vector<QWidget*> controls = ReadingOrder(page);
  if (controls.empty())
    TabStrip1->setFocus(Qt::TabFocusReason);
  else
    controls.front()->setFocus(Qt::TabFocusReason);
}

} // namespace corvane
