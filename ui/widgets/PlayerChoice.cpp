#include "ui/widgets/PlayerChoice.h"

#include <QAccessibleWidget>
#include <QCheckBox>
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

const char* const PLAYER_BOX_MARK = "corvanePlayerBox";

// The "Player Select" frame as a named container that is not a panel. Orca names the group of
// an option button after its nearest named panel or container, and also says each panel the
// focus enters: for a panel the name came twice. A container it says once, as the group.
class AccessiblePlayerBox : public QAccessibleWidget
{
public:
  explicit AccessiblePlayerBox(QGroupBox* box) : QAccessibleWidget(box, QAccessible::Client) {}

  QString text(QAccessible::Text kind) const override
  {
    if (kind == QAccessible::Name)
      return static_cast<QGroupBox*>(widget())->title();
    return QAccessibleWidget::text(kind);
  }
};

QAccessibleInterface* PlayerBoxFactory(const QString&, QObject* object)
{
  auto* box = qobject_cast<QGroupBox*>(object);
  return box && box->property(PLAYER_BOX_MARK).toBool() ? new AccessiblePlayerBox(box) : nullptr;
}

} // namespace

std::string_view PlayerChoice::SelectedSlot(const BindingRow& row) const
{
  return player2->isChecked() ? row.slot_p2 : row.slot_p1;
}

Player PlayerChoice::Chosen() const
{
  return player2->isChecked() ? Player::Two : Player::One;
}

QCheckBox* CreateSharedWalkBox(QWidget* parent, const QRect& geometry)
{
  auto* box =
      new QCheckBox(QCoreApplication::translate("PlayerChoice", "P2 Walks Shared Keys"), parent);
  box->setObjectName(QStringLiteral("chkWalkShared"));
  box->setGeometry(geometry);
  box->setToolTip(QCoreApplication::translate(
      "PlayerChoice", "Bind All for Player 2 also walks Start, Coin, Test and Service Mode, "
                      "which both players share (their keys are Player 1's until then)"));
  return box;
}

PlayerChoice CreatePlayerChoice(QWidget* parent, QPoint top_left)
{
  QAccessible::installFactory(PlayerBoxFactory); // kept once however often it is installed
  PlayerChoice choice;
  choice.box = new QGroupBox(parent);
  choice.box->setProperty(PLAYER_BOX_MARK, true); // before the title makes Qt ask for its interface
  choice.box->setTitle(QCoreApplication::translate("PlayerChoice", "Player Select"));
  choice.box->setGeometry(QRect(top_left, QSize(150, 47)));
  choice.player1 = OptionButton("optP1", "Player 1", choice.box, 6);
  choice.player2 = OptionButton("optP2", "Player 2", choice.box, 76);
  return choice;
}

} // namespace corvane
