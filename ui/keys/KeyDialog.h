#pragma once

// ui/keys/: the key dialog, which takes the next key pressed and stores it in one slot.

#include "catalogue/GroupLists.h"
#include "controls/BindingTable.h"
#include "controls/KeyPress.h"
#include "ui/keys/KeyChords.h"

#include <QDialog>
#include <QPointer>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QHBoxLayout;
class QKeyEvent;
class QLabel;
class QPushButton;

namespace corvane
{

// The key-capture dialog: shows the key bound to the slot named by CurrentSlotKey, takes the
// next key pressed, stores its token in that slot and closes. Every key is an ordinary key,
// Escape too; a line under the key says so and how to leave. Its commands leave it without
// binding: Close (Alt+F4, or a button that never takes the keyboard focus) keeps the current
// key, as the window's close box does. When the key taken also drives another input of the same
// game, the dialog says so and stays open, so the next key replaces it; closing it keeps the key.
// Two more ways out of a clash then show: Swap (the other input takes the key this one had) and
// Unbind the Other; either keeps the key taken and leaves as a key without a clash does.
// A key the emulator cannot read is refused: the dialog says so and waits for another.
class KeyDialog : public QDialog
{
  Q_OBJECT

public:
  // Loads with the table's CurrentKey shown as a key name and a token.
  explicit KeyDialog(BindingTable& table, QWidget* parent = nullptr);

  // Points the table's CurrentSlotKey and CurrentKey at the slot, then loads the dialog, or turns
  // the open one to the slot, names the input (`target`) and shows it. True when it was loaded
  // now, so that the caller connects to it.
  static bool OpenFor(QPointer<KeyDialog>& dialog, BindingTable& table, std::string_view slot,
                      const QString& target);

  // Names the input being bound in the line above the key ("Low Punch - Player 2") and shows
  // the key of the slot now named by CurrentSlotKey; a clash line about another slot goes.
  void Retarget(const QString& target);

  // Shows the line under the token that names the inputs sharing the key just taken, and keeps
  // the dialog open; an empty note changes nothing.
  void ShowClash(const QString& note);

  // Adds a command that leaves the key alone: `chord` runs it from the keyboard instead of being
  // bound, and a button named `object_name` at the dialog's foot runs it by mouse or screen
  // reader without ever taking the keyboard focus. Close (Alt+F4) is the first.
  QPushButton* AddCommand(const char* object_name, const QString& caption, QKeyCombination chord,
                          std::function<void()> run);

  // Replaces the line that says how the dialog is used and left; a clash changes it until the
  // dialog is turned to another slot.
  void SetHint(const QString& hint);

  // Replaces the line shown after a clash, which says how to replace or keep the key.
  void SetClashHint(const QString& hint) { m_clash_hint = hint; }

  // Clashes count only within this group's file (the Own Keys window binds one family's game);
  // otherwise within any group's file.
  void LimitClashesTo(GroupId group) { m_clash_group = group; }

signals:
  // A key was taken and stored in the slot; the owner answers with ShowClash, or with Retarget
  // to go on to another slot.
  void KeyTaken();

protected:
  bool event(QEvent* event) override;

private:
  void CreateLayout();
  void ShowHint(const QString& hint);
  void ReadKey(const QKeyEvent& key);
  void ShowToken(const QString& key_name, const std::string& key_token);
  void ShowSlotKey();
  void SayCurrentKey();
  void FitHeight();
  void Capture(const QKeyEvent& key);
  void RefuseKey();
  void ShowNote(const QString& note);
  // The ways out of the clash just shown, and what they do.
  void OfferClashWays();
  void HideClashWays();
  void SwapWithOther();
  void UnbindTheOthers();
  // A key is stored: the owner hears of it and the dialog closes, unless the owner keeps it open.
  void Stored();

  BindingTable& m_table;
  bool m_captured = false;
  bool m_clash_shown = false; // by the owner, in answer to the key just taken
  bool m_retargeted = false;  // the same, by a walk that goes on
  QLabel* lblTarget = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* lblClash = nullptr;
  QLabel* lblHint = nullptr;
  QString m_hint;
  QString m_clash_hint;
  KeyChords m_chords;
  std::vector<std::function<void()>> m_commands; // by chord index
  QHBoxLayout* m_command_row = nullptr;
  std::optional<GroupId> m_clash_group;
  std::vector<std::string> m_clash_others; // the slots sharing the key just taken
  QPushButton* cmdSwap = nullptr;          // made at the first clash, hidden while none is shown
  QPushButton* cmdUnbindOther = nullptr;
};

// The press as the core reads it: the physical key's scan code where the event has one, and the
// virtual key the same key gives on Windows.
KeyCodeManager::KeyPress PressOf(const QKeyEvent& key);

// The Windows virtual-key code of a key event, the code the key tables are keyed by.
int16_t VirtualKeyOf(const QKeyEvent& key);

// The DirectInput code of the physical key of a key event, from the event's native scan code;
// nullopt for a key the emulator cannot read or an event without a scan code.
std::optional<uint8_t> ScanCodeOf(const QKeyEvent& key);

} // namespace corvane
