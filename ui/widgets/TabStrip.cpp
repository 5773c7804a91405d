#include "ui/widgets/TabStrip.h"

#include "ui/widgets/AccessibleTabs.h"

#include <QAccessible>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QStyleOptionTab>
#include <QStyleOptionTabWidgetFrame>
#include <QToolTip>

#include <numeric>

namespace corvane
{
namespace
{

constexpr int MARGIN = 2;
constexpr int TEXT_PADDING = 10;
constexpr int ROW_PADDING = 10;
constexpr int TAB_OVERHANG = 2; // how far a selected tab may reach over its neighbours

QStyleOptionTab::TabPosition PositionInRow(size_t place, size_t row_size)
{
  if (row_size == 1)
    return QStyleOptionTab::OnlyOneTab;
  if (place == 0)
    return QStyleOptionTab::Beginning;
  return place + 1 == row_size ? QStyleOptionTab::End : QStyleOptionTab::Middle;
}

} // namespace

TabStrip::TabStrip(QWidget* parent) : QWidget(parent)
{
  // Tab reaches the strip, a click does not focus it: a mouse user sees no focus mark.
  setFocusPolicy(Qt::TabFocus);
  InstallAccessibleTabs();
  m_focus_settled.setSingleShot(true);
  m_focus_settled.setInterval(0);
  connect(&m_focus_settled, &QTimer::timeout, this, &TabStrip::AnnounceFocus);
}

int TabStrip::addTab(const QString& text, const QString& tool_tip)
{
  m_tabs.push_back({text, tool_tip, 0, QRect()});
  if (m_current < 0)
    m_current = 0;
  LayOutTabs();
  update();
  return count() - 1;
}

QString TabStrip::tabText(int index) const
{
  return index >= 0 && index < count() ? m_tabs[index].text : QString();
}

QString TabStrip::tabToolTip(int index) const
{
  return index >= 0 && index < count() ? m_tabs[index].tool_tip : QString();
}

QRect TabStrip::tabRect(int index) const
{
  return index >= 0 && index < count() ? m_tabs[index].rect : QRect();
}

void TabStrip::setCurrentIndex(int index)
{
  if (index < 0 || index >= count())
    return;
  const int previous = m_current;
  m_current = index;
  LayOutTabs(); // the current tab's row moves next to the pane
  update();
  AnnounceCurrent(previous);
  emit currentChanged(index);
}

void TabStrip::AnnounceCurrent(int previous) const
{
  if (!QAccessible::isActive())
    return;
  QAccessible::State selected;
  selected.selected = true;
  for (const int tab : {previous, m_current})
  {
    if (tab < 0)
      continue;
    QAccessibleStateChangeEvent change(const_cast<TabStrip*>(this), selected);
    change.setChild(tab);
    QAccessible::updateAccessibility(&change);
  }
  QAccessibleEvent selection(const_cast<TabStrip*>(this), QAccessible::Selection);
  selection.setChild(m_current);
  QAccessible::updateAccessibility(&selection);
  if (hasFocus())
    AnnounceFocus();
}

void TabStrip::AnnounceFocus() const
{
  // A reader follows the focus; with the strip focused, the focus is on the current tab.
  if (!QAccessible::isActive() || m_current < 0)
    return;
  QAccessibleEvent focus(const_cast<TabStrip*>(this), QAccessible::Focus);
  focus.setChild(m_current);
  QAccessible::updateAccessibility(&focus);
}

int TabStrip::TabsHeight() const
{
  return MARGIN + m_row_count * RowHeight();
}

int TabStrip::RowHeight() const
{
  return fontMetrics().height() + ROW_PADDING;
}

int TabStrip::TabWidth(const Tab& tab) const
{
  return fontMetrics().horizontalAdvance(tab.text) + 2 * TEXT_PADDING;
}

std::vector<std::vector<int>> TabStrip::WrapIntoRows() const
{
  const int available = std::max(1, width() - 2 * MARGIN);
  std::vector<std::vector<int>> rows(1);
  int used = 0;
  for (int index = 0; index < count(); ++index)
  {
    const int tab_width = TabWidth(m_tabs[index]);
    if (!rows.back().empty() && used + tab_width > available)
    {
      rows.emplace_back();
      used = 0;
    }
    rows.back().push_back(index);
    used += tab_width;
  }
  return rows;
}

void TabStrip::LayOutTabs()
{
  const auto rows = WrapIntoRows();
  m_row_count = static_cast<int>(rows.size());
  size_t current_row = 0;
  for (size_t row = 0; row < rows.size(); ++row)
    if (std::find(rows[row].begin(), rows[row].end(), m_current) != rows[row].end())
      current_row = row;
  // The rows turn round so that the current tab's row sits on the pane, as multi-row tab
  // strips do; the others keep their order above it.
  for (size_t row = 0; row < rows.size(); ++row)
  {
    const size_t visual = (row + rows.size() - current_row - 1) % rows.size();
    PlaceRow(rows[row], static_cast<int>(visual));
  }
}

void TabStrip::PlaceRow(const std::vector<int>& row, int visual_row)
{
  const int available = width() - 2 * MARGIN;
  const int used =
      std::accumulate(row.begin(), row.end(), 0,
                      [this](int sum, int index) { return sum + TabWidth(m_tabs[index]); });
  // Several rows are stretched to the full width so that their edges line up.
  const int spare = m_row_count > 1 ? std::max(0, available - used) : 0;
  int x = MARGIN;
  for (size_t place = 0; place < row.size(); ++place)
  {
    Tab& tab = m_tabs[row[place]];
    const int share = spare / static_cast<int>(row.size()) +
                      (static_cast<int>(place) < spare % static_cast<int>(row.size()) ? 1 : 0);
    const int tab_width = TabWidth(tab) + share;
    tab.row = visual_row;
    tab.rect = QRect(x, MARGIN + visual_row * RowHeight(), tab_width, RowHeight());
    x += tab_width;
  }
}

int TabStrip::TabAt(const QPoint& position) const
{
  for (int index = 0; index < count(); ++index)
    if (m_tabs[index].rect.contains(position))
      return index;
  return -1;
}

bool TabStrip::event(QEvent* event)
{
  if (event->type() == QEvent::ToolTip)
  {
    auto* help = static_cast<QHelpEvent*>(event);
    const QString tip = tabToolTip(TabAt(help->pos()));
    if (tip.isEmpty())
      QToolTip::hideText();
    else
      QToolTip::showText(help->globalPos(), tip, this);
    return true;
  }
  return QWidget::event(event);
}

void TabStrip::mousePressEvent(QMouseEvent* event)
{
  const int index = TabAt(event->position().toPoint());
  if (event->button() == Qt::LeftButton && index >= 0 && index != m_current)
    setCurrentIndex(index);
}

void TabStrip::keyPressEvent(QKeyEvent* event)
{
  // As on a native tab bar: no wrapping at either end.
  int target = -1;
  switch (event->key())
  {
  case Qt::Key_Left:
    target = m_current - 1;
    break;
  case Qt::Key_Right:
    target = m_current + 1;
    break;
  case Qt::Key_Home:
    target = 0;
    break;
  case Qt::Key_End:
    target = count() - 1;
    break;
  default:
    QWidget::keyPressEvent(event);
    return;
  }
  if (target >= 0 && target < count() && target != m_current)
    setCurrentIndex(target);
  event->accept();
}

void TabStrip::focusInEvent(QFocusEvent* event)
{
  QWidget::focusInEvent(event);
  update();
  // Qt tells the reader that the strip itself has the focus after this; told again once the
  // focus has settled, the reader lands on the current tab and says its name.
  m_focus_settled.start();
}

void TabStrip::focusOutEvent(QFocusEvent* event)
{
  QWidget::focusOutEvent(event);
  update();
}

void TabStrip::resizeEvent(QResizeEvent*)
{
  LayOutTabs();
}

void TabStrip::PaintTab(QPainter& painter, int index) const
{
  std::vector<int> row_members;
  for (int other = 0; other < count(); ++other)
    if (m_tabs[other].row == m_tabs[index].row)
      row_members.push_back(other);
  const auto place = std::find(row_members.begin(), row_members.end(), index);
  QStyleOptionTab option;
  option.initFrom(this);
  option.rect = m_tabs[index].rect;
  option.text = m_tabs[index].text;
  option.shape = QTabBar::RoundedNorth;
  option.position = PositionInRow(place - row_members.begin(), row_members.size());
  if (index == m_current)
    option.state |= QStyle::State_Selected;
  option.state &= ~(QStyle::State_HasFocus | QStyle::State_MouseOver);
  // Styles may paint a selected tab's foot well below it, counting on a tab bar's edge to cut
  // it off; here the pane lies below, so the tab is cut to its own row and the pane's edge.
  painter.save();
  painter.setClipRect(option.rect.adjusted(-TAB_OVERHANG, -TAB_OVERHANG, TAB_OVERHANG, 1));
  style()->drawControl(QStyle::CE_TabBarTab, &option, &painter, this);
  painter.restore();
}

void TabStrip::paintEvent(QPaintEvent*)
{
  QPainter painter(this);
  QStyleOptionTabWidgetFrame pane;
  pane.initFrom(this);
  pane.shape = QTabBar::RoundedNorth;
  pane.rect = QRect(0, TabsHeight() - 1, width(), height() - TabsHeight() + 1);
  style()->drawPrimitive(QStyle::PE_FrameTabWidget, &pane, &painter, this);
  for (int index = 0; index < count(); ++index)
    if (index != m_current)
      PaintTab(painter, index);
  if (m_current >= 0)
    PaintTab(painter, m_current); // last, so that it overlaps its neighbours
  if (hasFocus())
    PaintFocusMark(painter);
}

void TabStrip::PaintFocusMark(QPainter& painter) const
{
  const QRect tab = tabRect(m_current);
  if (tab.isEmpty())
    return;
  QStyleOptionFocusRect mark;
  mark.initFrom(this);
  mark.rect = tab.adjusted(TAB_OVERHANG + 1, TAB_OVERHANG + 1, -TAB_OVERHANG - 1, -TAB_OVERHANG);
  mark.backgroundColor = palette().color(QPalette::Window);
  style()->drawPrimitive(QStyle::PE_FrameFocusRect, &mark, &painter, this);
}

} // namespace corvane
