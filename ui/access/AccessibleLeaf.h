#pragma once

// Accessibility for the parts of a widget that are not widgets themselves (the tabs of the tab
// strip, the entries of a grouping list): each part is a leaf shown through its widget, and the
// widget's interface keeps the leaves it has handed out.

#include <QAccessible>
#include <QHash>
#include <QPointer>
#include <QWidget>

namespace corvane
{

// A part with no children and no object of its own; subclasses give its role, text, state,
// rectangle and actions.
class AccessibleLeaf : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
  explicit AccessibleLeaf(QWidget* owner) : m_owner(owner) {}

  QObject* object() const override { return nullptr; }
  QAccessibleInterface* parent() const override
  {
    return QAccessible::queryAccessibleInterface(m_owner.data());
  }
  int childCount() const override { return 0; }
  QAccessibleInterface* child(int) const override { return nullptr; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  void setText(QAccessible::Text, const QString&) override {}
  void* interface_cast(QAccessible::InterfaceType type) override
  {
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                : nullptr;
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

protected:
  bool OwnerAlive() const { return !m_owner.isNull(); }

private:
  QPointer<QWidget> m_owner;
};

// The leaves of one widget by index: made on first request, registered with the accessibility
// layer (which then owns them) and released with the widget's interface.
class AccessibleLeaves
{
public:
  AccessibleLeaves() = default;
  ~AccessibleLeaves()
  {
    for (const QAccessible::Id id : std::as_const(m_ids))
      QAccessible::deleteAccessibleInterface(id);
  }
  AccessibleLeaves(const AccessibleLeaves&) = delete;
  AccessibleLeaves& operator=(const AccessibleLeaves&) = delete;

  // The leaf at `index`, made by `make(index)` the first time.
  template <typename Make> QAccessibleInterface* At(int index, Make make)
  {
    if (const QAccessible::Id id = m_ids.value(index))
      return QAccessible::accessibleInterface(id);
    QAccessibleInterface* leaf = make(index);
    m_ids.insert(index, QAccessible::registerAccessibleInterface(leaf));
    return leaf;
  }

  // The index of a leaf handed out before; -1 for any other interface.
  int IndexOf(const QAccessibleInterface* leaf) const
  {
    for (auto it = m_ids.cbegin(); it != m_ids.cend(); ++it)
      if (QAccessible::accessibleInterface(it.value()) == leaf)
        return it.key();
    return -1;
  }

private:
  QHash<int, QAccessible::Id> m_ids;
};

} // namespace corvane
