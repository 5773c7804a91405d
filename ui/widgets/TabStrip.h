#pragma once

// A tab strip that wraps its tabs into as many rows as the width needs, so that long captions
// are never cut or scrolled away, and paints a pane below them over its whole area. The pages
// it switches are other widgets laid over it. Like a native tab bar it takes the focus by Tab,
// turns with the arrow keys, Home and End, and shows itself to the accessibility layer as a
// page tab list (AccessibleTabs.h).

#include <QFrame>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <vector>

namespace corvane
{

class TabStrip : public QWidget
{
  Q_OBJECT

public:
  explicit TabStrip(QWidget* parent = nullptr);

  // Appends a tab; returns its index. The first tab becomes the current one.
  int addTab(const QString& text, const QString& tool_tip = {});
  int count() const { return static_cast<int>(m_tabs.size()); }
  QString tabText(int index) const;
  QString tabToolTip(int index) const;
  // Where the tab is drawn; an empty rectangle for an index out of range.
  QRect tabRect(int index) const;
  // The index of the current tab; -1 without tabs.
  int currentIndex() const { return m_current; }
  // Makes the tab current and emits currentChanged; indexes out of range are ignored.
  void setCurrentIndex(int index);
  // The height the tab rows take above the pane.
  int TabsHeight() const;

signals:
  void currentChanged(int index);

protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

private:
  struct Tab
  {
    QString text;
    QString tool_tip;
    int row = 0;
    QRect rect;
  };

  void LayOutTabs();
  std::vector<std::vector<int>> WrapIntoRows() const;
  void PlaceRow(const std::vector<int>& row, int visual_row);
  int TabWidth(const Tab& tab) const;
  int RowHeight() const;
  int TabAt(const QPoint& position) const;
  void PaintTab(QPainter& painter, int index) const;
  void PaintFocusMark(QPainter& painter) const;
  void AnnounceCurrent(int previous) const;
  void AnnounceFocus() const;

  std::vector<Tab> m_tabs;
  int m_current = -1;
  QTimer m_focus_settled; // tells the reader the current tab once the focus has settled
  int m_row_count = 0;
};

// One page shown by a tab: a plain frame that the accessibility layer presents as a property
// page named after its tab.
class TabPage : public QFrame
{
  Q_OBJECT

public:
  using QFrame::QFrame;
};

} // namespace corvane
