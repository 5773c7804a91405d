#pragma once

// The question before a launch of a game whose controller file does not exist.

#include "app/Session.h"

#include <string_view>

class QWidget;

namespace corvane
{

// True when the game's controller file exists, or when the user, told why it is missing and
// what to do, chooses to start the game all the same.
bool ConfirmLaunchWithoutGameFile(QWidget* parent, const Session& session,
                                  std::string_view set_name);

} // namespace corvane
