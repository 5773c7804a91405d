#include "ui/widgets/AccessibleTabs.h"

#include "ui/access/AccessibleLeaf.h"
#include "ui/widgets/TabStrip.h"

#include <QAccessibleWidget>

namespace corvane
{
namespace
{

// One tab, answered through the strip.
class AccessibleTab : public AccessibleLeaf
{
public:
  AccessibleTab(TabStrip* strip, int index) : AccessibleLeaf(strip), m_strip(strip), m_index(index)
  {
  }

  bool isValid() const override { return OwnerAlive() && m_index < m_strip->count(); }
  QAccessible::Role role() const override { return QAccessible::PageTab; }

  QString text(QAccessible::Text kind) const override
  {
    if (!isValid())
      return {};
    if (kind == QAccessible::Name)
      return m_strip->tabText(m_index);
    if (kind == QAccessible::Description)
      return m_strip->tabToolTip(m_index);
    return {};
  }

  QAccessible::State state() const override
  {
    QAccessible::State state;
    state.invalid = !isValid();
    if (state.invalid)
      return state;
    const bool current = m_index == m_strip->currentIndex();
    state.invisible = !m_strip->isVisible();
    state.focusable = true;
    state.focused = current && m_strip->hasFocus();
    state.selectable = true;
    state.selected = current;
    return state;
  }

  QRect rect() const override
  {
    if (!isValid())
      return {};
    const QRect local = m_strip->tabRect(m_index);
    return QRect(m_strip->mapToGlobal(local.topLeft()), local.size());
  }

  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString& action) override
  {
    if (isValid() && action == pressAction())
      m_strip->setCurrentIndex(m_index);
  }

private:
  TabStrip* m_strip; // valid while OwnerAlive()
  int m_index;
};

// The strip: a page tab list whose children are its tabs.
class AccessibleTabStrip : public QAccessibleWidget
{
public:
  explicit AccessibleTabStrip(TabStrip* strip) : QAccessibleWidget(strip, QAccessible::PageTabList)
  {
  }

  int childCount() const override { return Strip()->count(); }

  QAccessibleInterface* child(int index) const override
  {
    if (index < 0 || index >= childCount())
      return nullptr;
    return m_tabs.At(index, [this](int tab) { return new AccessibleTab(Strip(), tab); });
  }

  int indexOfChild(const QAccessibleInterface* child) const override
  {
    return m_tabs.IndexOf(child);
  }

  QAccessibleInterface* childAt(int x, int y) const override
  {
    const QPoint local = Strip()->mapFromGlobal(QPoint(x, y));
    for (int index = 0; index < childCount(); ++index)
      if (Strip()->tabRect(index).contains(local))
        return child(index);
    return nullptr;
  }

  QAccessibleInterface* focusChild() const override
  {
    return Strip()->hasFocus() ? child(Strip()->currentIndex()) : nullptr;
  }

private:
  TabStrip* Strip() const { return static_cast<TabStrip*>(widget()); }

  mutable AccessibleLeaves m_tabs;
};

QAccessibleInterface* TabsFactory(const QString& class_name, QObject* object)
{
  if (class_name == QLatin1String(TabStrip::staticMetaObject.className()))
    return new AccessibleTabStrip(static_cast<TabStrip*>(object));
  // A page is a property page; its name is its tab's caption, set when it is built.
  if (class_name == QLatin1String(TabPage::staticMetaObject.className()))
    return new QAccessibleWidget(static_cast<TabPage*>(object), QAccessible::PropertyPage);
  return nullptr;
}

} // namespace

void InstallAccessibleTabs()
{
  QAccessible::installFactory(TabsFactory); // kept once however often it is installed
}

} // namespace corvane
