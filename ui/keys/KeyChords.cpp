#include "ui/keys/KeyChords.h"

#include <QKeyEvent>

#include <algorithm>

namespace corvane
{

KeyChords::KeyChords() = default;
KeyChords::~KeyChords() = default;

int KeyChords::AddChord(QKeyCombination chord)
{
  m_chords.push_back(chord);
  return static_cast<int>(m_chords.size()) - 1;
}

bool KeyChords::IsModifierKey(int key)
{
  switch (key)
  {
  case Qt::Key_Shift:
  case Qt::Key_Control:
  case Qt::Key_Alt:
  case Qt::Key_AltGr:
  case Qt::Key_Meta:
  case Qt::Key_Super_L:
  case Qt::Key_Super_R:
  case Qt::Key_Hyper_L:
  case Qt::Key_Hyper_R:
  case Qt::Key_Mode_switch:
    return true;
  default:
    return false;
  }
}

void KeyChords::Reset()
{
  m_held.reset();
  m_bound.reset();
}

KeyChords::Reading KeyChords::Read(const QKeyEvent& event)
{
  m_bound.reset();
  // A held key repeats its press; only the first one counts.
  if (event.isAutoRepeat())
    return {};
  if (event.type() == QEvent::KeyPress)
    return ReadPress(event);
  if (event.type() == QEvent::KeyRelease)
    return ReadRelease(event);
  return {};
}

KeyChords::Reading KeyChords::ReadPress(const QKeyEvent& press)
{
  if (IsModifierKey(press.key()))
  {
    // The last modifier pressed is the one that may bind: Windows sends AltGr as Ctrl, then Alt.
    m_held.reset(press.clone());
    return {};
  }
  m_held.reset();
  // The keypad flag tells keys apart, not chords: Alt+F4 is Alt+F4 on any keyboard.
  const Qt::KeyboardModifiers modifiers = press.modifiers() & ~Qt::KeypadModifier;
  const QKeyCombination chord(modifiers, static_cast<Qt::Key>(press.key()));
  const auto found = std::find(m_chords.begin(), m_chords.end(), chord);
  if (found != m_chords.end())
    return {Reading::Kind::Command, nullptr, static_cast<int>(found - m_chords.begin())};
  return {Reading::Kind::Bind, &press, -1};
}

namespace
{

// The release of the key pressed: by its place on the keyboard where the platform tells it, as
// the key's meaning may change with the modifiers released meanwhile.
bool SameKey(const QKeyEvent& press, const QKeyEvent& release)
{
  if (press.nativeScanCode() != 0 && release.nativeScanCode() != 0)
    return press.nativeScanCode() == release.nativeScanCode();
  return press.key() == release.key();
}

} // namespace

KeyChords::Reading KeyChords::ReadRelease(const QKeyEvent& release)
{
  if (!m_held || !SameKey(*m_held, release))
    return {};
  m_bound = std::move(m_held);
  return {Reading::Kind::Bind, m_bound.get(), -1};
}

} // namespace corvane
