#include "ui/access/Announcer.h"

#include "ui/access/AccessibleLeaf.h"

#include <QAccessibleWidget>
#include <QWidget>

// Why a focus move: Orca speaks the focused object and changes of it, and drops events for any
// other object. Qt 6.4's AT-SPI bridge sends the object itself, not the new text, with a change
// of name or description, so Orca has nothing to speak for those; a label that shows or a text
// that changes away from the focus is not spoken either. A focus event for an object whose name
// is the text is spoken at once, and with the role of a plain container Orca adds no role word.
// Only the reader's idea of the focus moves: Qt's keyboard focus stays where it was, and the
// reader follows the real focus again at its next move.

namespace corvane
{
namespace
{

const QString SPOT_NAME = QStringLiteral("announcer");
constexpr int SPOKEN_COUNT = 2; // Orca ignores a focus move to the object it is on already

// The spot in a window that carries what is announced: no size, no focus, no mouse.
class AnnouncerSpot : public QWidget
{
public:
  explicit AnnouncerSpot(QWidget* window) : QWidget(window)
  {
    setObjectName(SPOT_NAME);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 0, 0);
    show();
  }

  QString text;
  int turn = 0; // which of the spot's spoken objects says the next text
};

// One spoken object of a spot: a nameless-role container named by the spot's text.
class SpokenText : public AccessibleLeaf
{
public:
  explicit SpokenText(AnnouncerSpot* spot) : AccessibleLeaf(spot), m_spot(spot) {}

  bool isValid() const override { return OwnerAlive(); }
  QAccessible::Role role() const override { return QAccessible::Client; }
  QString text(QAccessible::Text kind) const override
  {
    return isValid() && kind == QAccessible::Name ? m_spot->text : QString();
  }
  QAccessible::State state() const override
  {
    QAccessible::State state;
    state.invalid = !isValid();
    return state;
  }
  QRect rect() const override { return {}; }
  QStringList actionNames() const override { return {}; }
  void doAction(const QString&) override {}

private:
  AnnouncerSpot* m_spot; // valid while OwnerAlive()
};

class AccessibleSpot : public QAccessibleWidget
{
public:
  explicit AccessibleSpot(AnnouncerSpot* spot) : QAccessibleWidget(spot, QAccessible::Client) {}

  int childCount() const override { return SPOKEN_COUNT; }
  QAccessibleInterface* child(int index) const override
  {
    if (index < 0 || index >= SPOKEN_COUNT)
      return nullptr;
    return m_spoken.At(index, [this](int) { return new SpokenText(Spot()); });
  }
  int indexOfChild(const QAccessibleInterface* child) const override
  {
    return m_spoken.IndexOf(child);
  }

private:
  AnnouncerSpot* Spot() const { return static_cast<AnnouncerSpot*>(widget()); }

  mutable AccessibleLeaves m_spoken;
};

QAccessibleInterface* SpotFactory(const QString&, QObject* object)
{
  auto* spot = dynamic_cast<AnnouncerSpot*>(object);
  return spot ? new AccessibleSpot(spot) : nullptr;
}

AnnouncerSpot* SpotOf(const QWidget* near)
{
  // By name, then by type: the spot has no meta-object of its own for findChild to tell it by.
  if (!near)
    return nullptr;
  return dynamic_cast<AnnouncerSpot*>(
      near->window()->findChild<QWidget*>(SPOT_NAME, Qt::FindDirectChildrenOnly));
}

} // namespace

void Announce(QWidget* near, const QString& text)
{
  if (!near || text.isEmpty())
    return;
  AnnouncerSpot* spot = SpotOf(near);
  if (!spot)
  {
    QAccessible::installFactory(SpotFactory); // kept once however often it is installed
    spot = new AnnouncerSpot(near->window());
  }
  spot->text = text;
  spot->turn = (spot->turn + 1) % SPOKEN_COUNT;
  if (!QAccessible::isActive())
    return;
  QAccessibleEvent focus(spot, QAccessible::Focus);
  focus.setChild(spot->turn);
  QAccessible::updateAccessibility(&focus);
}

QString LastAnnouncement(const QWidget* near)
{
  const AnnouncerSpot* spot = SpotOf(near);
  return spot ? spot->text : QString();
}

} // namespace corvane
