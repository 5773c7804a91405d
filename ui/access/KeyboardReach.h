#pragma once

// Keyboard habits that Qt leaves to each window: Enter on a push button, and a list that says
// where it stands when the focus arrives.

class QAbstractItemView;
class QWidget;

namespace corvane
{

// Enter and Return press the focused push button of `window`, as Space does. A button that
// takes Enter itself (a dialog's default button) keeps doing so.
void EnterPressesButtons(QWidget* window);

// Gives `list` a current entry, its first, whenever it has entries and none is current, and has
// a screen reader say that entry each time the list takes the focus. Down then moves from it.
void SpeakCurrentEntryOnFocus(QAbstractItemView* list);

} // namespace corvane
