#include "ui/grouping/GroupListModel.h"

#include "base/Messages.h"
#include "ui/desktop/QtText.h"

#include <algorithm>

namespace corvane
{

GroupListModel::GroupListModel(GroupLists& lists, GroupId id, const GameTable& games,
                               QObject* parent)
    : QAbstractListModel(parent), m_lists(lists), m_id(id), m_games(games)
{
}

int GroupListModel::rowCount(const QModelIndex& parent) const
{
  if (parent.isValid())
    return 0;
  return static_cast<int>(Entries().size());
}

QVariant GroupListModel::data(const QModelIndex& index, int role) const
{
  // The core may have replaced the list before Reset() reached the view, so the row is checked
  // against the list itself, not against what the view last counted.
  if (!index.isValid() || index.row() >= rowCount())
    return {};
  const std::string& entry = Entries()[static_cast<size_t>(index.row())];
  switch (role)
  {
  case Qt::DisplayRole:
    // Set names are bytes in the system's code page, never UTF-8.
    return ToQString(entry);
  case Qt::ToolTipRole:
  case Qt::AccessibleDescriptionRole:
    return TitleOf(entry);
  default:
    return {};
  }
}

QString GroupListModel::TitleOf(const std::string& set_name) const
{
  // Asked for one entry at a time, when a tooltip shows: a look through the table is enough.
  const auto& rows = m_games.rows;
  const auto game =
      std::find_if(rows.begin(), rows.end(),
                   [&set_name](const GameRow& row) { return row.set_name == set_name; });
  return game == rows.end() ? ToQString(Messages::GROUP_ENTRY_UNKNOWN) : ToQString(game->title);
}

void GroupListModel::Reset()
{
  beginResetModel();
  endResetModel();
}

} // namespace corvane
