#pragma once

// ui/keys/: the key dialog, which takes the next key pressed and stores it in one slot.

#include "controls/BindingTable.h"

#include <QDialog>
#include <QPointer>

#include <string_view>

class QKeyEvent;
class QLabel;

namespace corvane
{

// The key-capture dialog: shows the key bound to the slot named by CurrentSlotKey, takes the
// next key pressed, stores its token in that slot and closes. Every key is an ordinary key.
// When the key taken also drives another input of the same game, the dialog says so and stays
// open, so the next key replaces it; closing it keeps the key.
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

  // Turns the dialog into Bind All's: Skip and Stop buttons that never take the focus, and a
  // line saying how to skip and stop by keyboard. Retarget in answer to KeyTaken then keeps the
  // dialog open for the next input.
  void ShowWalkControls();

signals:
  // A key was taken and stored in the slot; the owner answers with ShowClash, or with Retarget
  // to go on to another slot.
  void KeyTaken();
  // Bind All: the player asked to keep this input's key and go on.
  void SkipRequested();

protected:
  bool event(QEvent* event) override;

private:
  void CreateLayout();
  void ShowToken(const QString& key_name, const std::string& key_token);
  void ShowSlotKey();
  void FitHeight();
  void Capture(const QKeyEvent& key);

  BindingTable& m_table;
  bool m_captured = false;
  bool m_clash_shown = false; // by the owner, in answer to the key just taken
  bool m_retargeted = false;  // the same, by a walk that goes on
  QLabel* lblTarget = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* lblClash = nullptr;
  QWidget* m_walk_controls = nullptr; // Bind All's hint line, Skip and Stop
};

// The Windows virtual-key code of a key event, the code the key tables are keyed by.
int16_t VirtualKeyOf(const QKeyEvent& key);

// The token of a key that shares its key code with its pair (right Shift, keypad 8, ...), from
// the event's native scan code; empty for every other key.
std::string PairedKeyTokenOf(const QKeyEvent& key);

} // namespace corvane
