#pragma once

// Shared inputs of the controller-file and save tests.

#include "controls/BindingTable.h"

#include <string>

namespace corvane::test
{

// Every slot holds its own token, "t_" and the slot key, so each value on disk names its slot.
inline BindingTable DistinctBindings()
{
  BindingTable table;
  for (std::string_view slot : BindingTable::SlotKeys())
    table.Set(slot, "t_" + std::string(slot));
  return table;
}

// A controller file kept by hand: comments, blank lines, LF ends, spaces around "=", a key that
// the program does not name, and a section of its own.
inline const std::string HAND_EDITED_CONTROLLER_FILE = "; my pad\r\n"
                                                       "[player1]\n"
                                                       "  btn1 = k2A\n"
                                                       "extra=keep me\n"
                                                       "\n"
                                                       "[player2]\r\n"
                                                       "; second pad\r\n"
                                                       "start=k03\r\n"
                                                       "\r\n"
                                                       "[mine]\r\n"
                                                       "keep=\"quoted\"";

} // namespace corvane::test
