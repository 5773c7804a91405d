#include "ui/widgets/SaveCancelRow.h"

#include <QCoreApplication>
#include <QPushButton>

namespace corvane
{
namespace
{

constexpr QSize BUTTON_SIZE(56, 30);
constexpr int GAP = 6;

QPushButton* RowButton(const char* name, const char* caption, QWidget* parent, QPoint top_left)
{
  auto* button = new QPushButton(QCoreApplication::translate("SaveCancelRow", caption), parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setGeometry(QRect(top_left, BUTTON_SIZE));
  return button;
}

} // namespace

SaveCancelRow CreateSaveCancelRow(QWidget* parent, QPoint top_left)
{
  const QPoint cancel_at = top_left + QPoint(BUTTON_SIZE.width() + GAP, 0);
  return {RowButton("cmdSave", "Save", parent, top_left),
          RowButton("cmdCancel", "Cancel", parent, cancel_at)};
}

} // namespace corvane
