#pragma once

// One of the five group lists as a Qt list model. The entries stay in the session's GroupLists;
// the model only shows them, so the lists live on whether the window is shown or not.

#include "catalogue/GameTable.h"
#include "catalogue/GroupLists.h"

#include <QAbstractListModel>

namespace corvane
{

class GroupListModel : public QAbstractListModel
{
  Q_OBJECT

public:
  // Shows `lists[id]`, each entry with its game's title from `games` as its tooltip; both must
  // outlive the model.
  GroupListModel(GroupLists& lists, GroupId id, const GameTable& games, QObject* parent = nullptr);

  // The group whose list this model shows.
  GroupId Id() const { return m_id; }

  // One row per entry of the list.
  int rowCount(const QModelIndex& parent = QModelIndex()) const override;

  // The entry's set name for the display role, its game's title for the tooltip and the
  // accessible description; nothing for a row the list no longer has.
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

  // Tells the views that the list was replaced or edited underneath the model.
  void Reset();

private:
  const std::vector<std::string>& Entries() const { return m_lists[m_id]; }

  QString TitleOf(const std::string& set_name) const;

  GroupLists& m_lists;
  GroupId m_id;
  const GameTable& m_games;
};

} // namespace corvane
