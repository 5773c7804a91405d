#pragma once

// When a key pressed in a capture dialog is the key to bind, and when it is one of the dialog's
// commands instead.

#include <QKeyCombination>

#include <memory>
#include <vector>

class QKeyEvent;

namespace corvane
{

// Every key binds, Escape too. A modifier (Shift, Ctrl, Alt, AltGr, the Windows keys) binds
// when it is released with no other key pressed while it was held, so that it can begin a
// chord: a key pressed with modifiers held binds that key, unless key and modifiers are one of
// the commands given to AddChord (Alt+F4 to close, for one).
class KeyChords
{
public:
  // What one key event means.
  struct Reading
  {
    enum class Kind
    {
      Nothing, // not yet: a modifier is held, or a key repeats
      Bind,    // `key` is the press to bind
      Command, // `command` is the chord's index
    };
    Kind kind = Kind::Nothing;
    const QKeyEvent* key = nullptr; // valid until the next Read or Reset
    int command = -1;
  };

  KeyChords();
  ~KeyChords();
  KeyChords(const KeyChords&) = delete;
  KeyChords& operator=(const KeyChords&) = delete;

  // Makes the chord (Qt::ALT | Qt::Key_F4) a command instead of a key; its index for Reading.
  int AddChord(QKeyCombination chord);

  // Reads a key press or release; any other event means nothing.
  Reading Read(const QKeyEvent& event);

  // Forgets a modifier held alone, when the window loses the keyboard before its release.
  void Reset();

  // True for the keys that bind on release: Shift, Ctrl, Alt, AltGr, the Windows keys.
  static bool IsModifierKey(int key);

private:
  Reading ReadPress(const QKeyEvent& press);
  Reading ReadRelease(const QKeyEvent& release);

  std::vector<QKeyCombination> m_chords;
  std::unique_ptr<QKeyEvent> m_held;  // the modifier pressed last with nothing after it
  std::unique_ptr<QKeyEvent> m_bound; // the modifier press just read as Bind
};

} // namespace corvane
