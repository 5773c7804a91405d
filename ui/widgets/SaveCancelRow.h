#pragma once

// A window's Save and Cancel buttons, side by side at its bottom right.

#include <QPoint>

class QPushButton;
class QWidget;

namespace corvane
{

struct SaveCancelRow
{
  QPushButton* save = nullptr;   // "cmdSave"
  QPushButton* cancel = nullptr; // "cmdCancel"
};

// Builds Save, 56 by 30, with its top left corner at `top_left` of `parent`, and Cancel 6 to
// its right. Neither is connected yet.
SaveCancelRow CreateSaveCancelRow(QWidget* parent, QPoint top_left);

} // namespace corvane
