#pragma once

// A top-level window as a screen reader should see it: a frame named by its title. A plain
// widget reports itself as a nameless container and a dialog as a dialog, and Orca's "read
// title" found no frame above the focus in either and said nothing.

class QWidget;

namespace corvane
{

// Marks `window` to report itself as a frame; call before anything asks for its accessible
// interface (first thing in its constructor), since the interface is kept once made.
void ReportAsFrame(QWidget* window);

} // namespace corvane
