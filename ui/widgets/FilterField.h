#pragma once

// The filter line over a list of games: the player types part of a title or a set name and the
// lists it watches show only the entries that match. Ctrl+F reaches it from anywhere beside it,
// Escape empties it, Down or Enter goes on to the first entry in sight.

#include <QLineEdit>
#include <QPointer>

#include <vector>

class QListView;
class QModelIndex;

namespace corvane
{

class FilterField : public QLineEdit
{
  Q_OBJECT

public:
  // An empty field named "Filter" for a screen reader, with a shortcut (Ctrl+F) on `parent`.
  explicit FilterField(QWidget* parent);

  // Filters `list` as the player types and again whenever its model is reset or grows. An entry
  // matches on its text or its tooltip (a game's title or set name), in any case.
  void Watch(QListView* list);

  // True when `entry` matches what is typed; every entry matches an empty field.
  bool Matches(const QModelIndex& entry) const;

protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;

private:
  void Apply(QListView* list) const;
  void ApplyToAll() const;
  // Moves the focus to the first list with an entry in sight; false when there is none.
  bool FocusFirstShownEntry() const;

  std::vector<QPointer<QListView>> m_lists;
};

} // namespace corvane
