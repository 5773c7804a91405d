#pragma once

#include "app/Session.h"

namespace corvane
{

class MainWindow;
class GroupingWindow;

// Interactive start-up from the emulator check to the main window's end; the exit code.
int RunInteractive(Session& session);

// Joins the main window and the grouping window: "Manage Control Groupings" reloads and shows
// the grouping window, its Save runs the main window's save, and every save refreshes its lists.
void ConnectWindows(MainWindow& main_window, GroupingWindow& group_window);

} // namespace corvane
