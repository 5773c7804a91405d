#include "ui/grouping/GroupListModel.h"

#include "ui/widgets/QtText.h"

namespace corvane
{

GroupListModel::GroupListModel(GroupLists& lists, GroupId id, QObject* parent)
    : QAbstractListModel(parent), m_lists(lists), m_id(id)
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
  if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount())
    return {};
  const std::string& entry = Entries()[static_cast<size_t>(index.row())];
  // Set names are bytes in the system's code page, never UTF-8.
  return ToQString(entry);
}

void GroupListModel::Reset()
{
  beginResetModel();
  endResetModel();
}

} // namespace corvane
