#pragma once

// The session's keys and named layouts: keep the keys under a name, switch to another layout in
// one step (the keys shown change; Save writes them as any change), and the own keys that a
// switch changed written at the next Save.

#include "app/Session.h"
#include "controls/LayoutStore.h"

#include <string_view>

namespace corvane::LayoutSwitch
{

// Keeps every family's keys and the games' own keys under the name, and names it in use.
Outcome SaveCurrent(const Session& session, std::string_view name);

// Puts the layout's keys into the session and names it in use; on any problem the session is
// as it was. The own keys stay when their file could not be read at start.
LayoutLoad Switch(Session& session, std::string_view name);

// Writes the session's own keys when they differ from their file's bytes (after a switch);
// writes nothing otherwise, so a player who never switches keeps the file as it is.
Outcome SaveSwitchedOwnKeys(const Session& session);

} // namespace corvane::LayoutSwitch
