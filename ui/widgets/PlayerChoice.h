#pragma once

// The player choice under a window's binding buttons: "Player 1" and "Player 2" option buttons
// in a "Player Select" box. The binding buttons show and bind the chosen player's slots.

#include "ui/widgets/BindingPages.h"

#include <QPoint>
#include <QRect>

#include <string_view>

class QCheckBox;
class QGroupBox;
class QRadioButton;
class QWidget;

namespace corvane
{

struct PlayerChoice
{
  QGroupBox* box = nullptr;        // no object name: the window names it if it wants one
  QRadioButton* player1 = nullptr; // "optP1"
  QRadioButton* player2 = nullptr; // "optP2"

  // The row's slot for the chosen player.
  std::string_view SelectedSlot(const BindingRow& row) const;
  Player Chosen() const;
};

// Builds the box, 150 by 47, with its top left corner at `top_left` of `parent`. Neither
// option button is chosen yet.
PlayerChoice CreatePlayerChoice(QWidget* parent, QPoint top_left);

// The "chkWalkShared" box: whether Player 2's Bind All walks the inputs both players share
// again (unticked: it leaves Player 1's keys on them).
QCheckBox* CreateSharedWalkBox(QWidget* parent, const QRect& geometry);

} // namespace corvane
