#pragma once

// The screen-reader room: what a screen reader hears and how the keyboard reaches each control
// (the announcer, the accessible interfaces, keyboard reach).
//
// Spoken outcomes: a short text a screen reader says the moment something happens (a key taken,
// a binding cleared, a game moved, a page turned), wherever the keyboard focus is.

#include <QString>

class QWidget;

namespace corvane
{

// Has a screen reader say `text` now, from the window that holds `near`. The keyboard focus and
// everything a sighted player sees stay as they are. Does nothing for an empty text.
void Announce(QWidget* near, const QString& text);

// The last text announced in the window that holds `near`; empty before the first.
QString LastAnnouncement(const QWidget* near);

} // namespace corvane
