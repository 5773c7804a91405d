#pragma once

// What a binding button tells in words: its key for a player, and the inputs it shares a key
// with. Shared by every window that shows binding buttons.

#include "controls/BindingClashes.h"
#include "controls/KeyLabels.h"
#include "ui/widgets/BindingPages.h"

#include <QString>

#include <functional>
#include <string>
#include <string_view>

namespace corvane
{

// "Player 1: A", "Player 2: not bound", or for an input of both players "Both players: A"; the
// key by its full name, in the layout given.
QString BindingText(const BindingInput& row, std::string_view slot, const std::string& token,
                    const KeyCodeManager::LayoutCharacter& layout = {});

// What the key dialog binds: "Low Punch - Player 2", or for an input of both players
// "Start 1 - shared".
QString TargetText(const BindingInput& row, std::string_view slot);

// "Also Player 2 Low Punch, Capcom 6 Button; Start 1, General"; empty when the key is alone.
QString ClashText(std::string_view slot, const ClashMap& clashes);

// What a screen reader says when a slot's key changes: "Up, Player 1: A", "Start 1: B",
// "Low Kick, Player 2: not bound".
QString SpokenBinding(const BindingRow& row, std::string_view slot, const std::string& token);

// What it says when a key just taken clashes: "A is also Start 1, General: press another key to
// replace it, or close to keep it"; empty when the key is alone.
QString SpokenClash(std::string_view slot, const BindingTable& table, const ClashMap& clashes);

// What a screen reader says once a key is taken for a slot: the clash if the key clashes, else
// the slot's new key; empty for a slot no button binds.
QString SpokenCapture(std::string_view slot, const BindingTable& table, const ClashMap& clashes);

class BindingButton;

// Which slots take their key from a lower layer (a game's family under its own keys).
using InheritsKey = std::function<bool(std::string_view slot)>;

// Shows the selected player's key of the row on its button, both players' keys in its tooltip
// and the selected one in its accessible description, each with the inputs it clashes with;
// with `inherits`, each key also says whether it is the game's own or its family's.
void ShowBinding(BindingButton& button, const BindingRow& row, std::string_view slot,
                 const BindingTable& table, const ClashMap& clashes,
                 const InheritsKey& inherits = {});

} // namespace corvane
