#pragma once

// A small window that says what the program is waiting for, shown only when a wait lasts, so a
// slow start (a first run of Wine in a new prefix) never looks like a dead screen.

#include <chrono>
#include <functional>
#include <string_view>

namespace corvane
{

// Runs `work` on a thread of its own while Qt's events go on, and returns when it is done. When
// it takes longer than `delay`, the window "frmWait" appears with `text` and a busy bar, and
// closes at the end. `work` must not touch widgets. With `cancel`, the window has a Cancel button
// ("cmdCancelWait") that calls it (from the window's thread; it must make `work` end soon); the
// result then says whether it was pressed.
bool RunWithWaitingWindow(const std::function<void()>& work, std::string_view text,
                          std::chrono::milliseconds delay = std::chrono::milliseconds(500),
                          const std::function<void()>& cancel = {});

} // namespace corvane
