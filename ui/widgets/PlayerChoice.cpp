#include "ui/widgets/PlayerChoice.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QRadioButton>

namespace corvane
{
namespace
{

QRadioButton* OptionButton(const char* name, const char* caption, QGroupBox* box, int x)
{
  auto* button = new QRadioButton(QCoreApplication::translate("PlayerChoice", caption), box);
  button->setObjectName(QString::fromLatin1(name));
  button->setGeometry(x, 21, 69, 20);
  return button;
}

} // namespace

std::string_view PlayerChoice::SelectedSlot(const BindingRow& row) const
{
  return player2->isChecked() ? row.slot_p2 : row.slot_p1;
}

PlayerChoice CreatePlayerChoice(QWidget* parent, QPoint top_left)
{
  PlayerChoice choice;
  choice.box = new QGroupBox(QCoreApplication::translate("PlayerChoice", "Player Select"), parent);
  choice.box->setGeometry(QRect(top_left, QSize(150, 47)));
  choice.player1 = OptionButton("optP1", "Player 1", choice.box, 6);
  choice.player2 = OptionButton("optP2", "Player 2", choice.box, 76);
  return choice;
}

} // namespace corvane
