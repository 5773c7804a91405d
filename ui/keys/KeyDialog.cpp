#include "ui/keys/KeyDialog.h"

#include "base/Messages.h"
#include "controls/KeyCodeManager.h"
#include "controls/KeyLabels.h"
#include "controls/ScanCodes.h"
#include "ui/access/AccessibleFrame.h"
#include "ui/access/Announcer.h"
#include "ui/desktop/QtText.h"
#include "ui/keyboard/KeyboardLayout.h"
#include "ui/keys/VirtualKeys.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

namespace corvane
{
namespace
{

constexpr int CLIENT_WIDTH = 272;
constexpr int CLIENT_HEIGHT = 104;
constexpr double LABEL_POINT_SIZE = 22.8;

QLabel* MakeLabel(const char* name, QWidget* parent)
{
  auto* label = new QLabel(QString::fromLatin1(name), parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setAlignment(Qt::AlignCenter);
  label->setTextFormat(Qt::PlainText);
  QFont font = label->font();
  font.setPointSizeF(LABEL_POINT_SIZE);
  label->setFont(font);
  return label;
}

// A line of ordinary type under the key, wrapped to the dialog's width.
QLabel* MakeLine(const char* name, QWidget* parent)
{
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setAlignment(Qt::AlignCenter);
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  label->setContentsMargins(6, 2, 6, 2);
  return label;
}

// The token of the key pressed: the scan code of the physical key, which the emulator reads,
// whatever the layout makes the key type; empty for a key the emulator cannot read.
std::string KeyTokenOf(const QKeyEvent& key)
{
  // macOS numbers keys its own way, and a key event made up by a program may carry no scan
  // code: there the key code names the key.
#ifdef __APPLE__
  constexpr bool SCAN_CODES = false;
#else
  constexpr bool SCAN_CODES = true;
#endif
  if (SCAN_CODES && key.nativeScanCode() != 0)
  {
    const auto scan_code = ScanCodeOf(key);
    return scan_code ? KeyCodeManager::KeyTokenFromScanCode(*scan_code) : std::string();
  }
  std::string token =
      KeyCodeManager::KeyTokenFromKeyName(KeyCodeManager::KeyNameFromKeyCode(VirtualKeyOf(key)));
  return token == "k" ? std::string() : token;
}

// The key's name in the name line: the name the dialog has always shown (`usual_name`), unless
// the layout in force makes the key type another character than a US keyboard does; then that
// character, as the key's button shows it ("\u00D6" for the key right of L on a German layout).
QString KeyNameInLayout(const std::string& token, const std::string& usual_name)
{
  const std::string in_layout =
      KeyCodeManager::KeyLabelFromKeyToken(token, CurrentLayoutCharacter());
  if (in_layout != KeyCodeManager::KeyLabelFromKeyToken(token))
    return ToQString(in_layout);
  return ToQString(usual_name);
}

// The name of the key pressed: the name of its key code where that names this same key ("PAGE
// UP", as the dialog has always shown it), else that of its scan code ("RSHIFT").
std::string CapturedKeyName(const QKeyEvent& key, const std::string& token)
{
  std::string name = KeyCodeManager::KeyNameFromKeyCode(VirtualKeyOf(key));
  if (KeyCodeManager::KeyTokenFromKeyName(name) == token)
    return name;
  return KeyCodeManager::KeyNameFromKeyToken(token);
}

} // namespace

KeyDialog::KeyDialog(BindingTable& table, QWidget* parent) : QDialog(parent), m_table(table)
{
  ReportAsFrame(this);
  setObjectName("frmKeys"); // the old form name: begins every control's UI Automation id
  setWindowTitle(ToQString(Messages::KEYS_CAPTION));
  setFocusPolicy(Qt::StrongFocus);
  // Each capture unloads the dialog, so the next one loads afresh with its own slot.
  setAttribute(Qt::WA_DeleteOnClose);
  CreateLayout();
  AddCommand("cmdClose", ToQString(Messages::KEYS_CLOSE),
             QKeyCombination(Qt::AltModifier, Qt::Key_F4), [this] { close(); });
  SetHint(ToQString(Messages::KEYS_HINT));
  SetClashHint(ToQString(Messages::KEYS_CLASH_HINT));
  ShowSlotKey();
}

void KeyDialog::CreateLayout()
{
  lblTarget = new QLabel(this);
  lblTarget->setObjectName("lblTarget");
  lblTarget->setAlignment(Qt::AlignCenter);
  lblTarget->setTextFormat(Qt::PlainText);
  lblTarget->hide();
  Label1 = MakeLabel("Label1", this);
  Label2 = MakeLabel("Label2", this);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(lblTarget);
  layout->addWidget(Label1, 1);
  layout->addWidget(Label2, 1);
  lblClash = MakeLine("lblClash", this);
  lblClash->hide();
  layout->addWidget(lblClash);
  lblHint = MakeLine("lblHint", this);
  layout->addWidget(lblHint);
  m_command_row = new QHBoxLayout;
  m_command_row->setContentsMargins(6, 4, 6, 6);
  m_command_row->addStretch(1);
  layout->addLayout(m_command_row);
  resize(CLIENT_WIDTH, CLIENT_HEIGHT);
}

QPushButton* KeyDialog::AddCommand(const char* object_name, const QString& caption,
                                   QKeyCombination chord, std::function<void()> run)
{
  auto* button = new QPushButton(caption, this);
  button->setObjectName(QString::fromLatin1(object_name));
  // The keyboard focus stays on the dialog, so Space, Enter and Tab are keys to bind.
  button->setFocusPolicy(Qt::NoFocus);
  button->setAutoDefault(false);
  button->setToolTip(QKeySequence(chord).toString(QKeySequence::NativeText));
  m_command_row->addWidget(button);
  connect(button, &QPushButton::clicked, this, run);
  m_chords.AddChord(chord);
  m_commands.push_back(std::move(run));
  FitHeight();
  return button;
}

bool KeyDialog::OpenFor(QPointer<KeyDialog>& dialog, BindingTable& table, std::string_view slot,
                        const QString& target)
{
  table.CurrentKey = table.Get(slot);
  table.CurrentSlotKey = std::string(slot);
  const bool loaded = !dialog;
  if (loaded)
    dialog = new KeyDialog(table);
  dialog->Retarget(target);
  dialog->show();
  dialog->raise();
  dialog->activateWindow();
  return loaded;
}

void KeyDialog::Retarget(const QString& target)
{
  lblTarget->setText(target);
  lblTarget->setVisible(!target.isEmpty());
  lblClash->hide();
  ShowHint(m_hint);
  ShowSlotKey();
  FitHeight();
  // A new input waits for its own key, also when it follows one just taken.
  m_captured = false;
  m_retargeted = true;
}

void KeyDialog::SetHint(const QString& hint)
{
  m_hint = hint;
  ShowHint(hint);
}

void KeyDialog::ShowHint(const QString& hint)
{
  lblHint->setText(hint);
  FitHeight();
}

void KeyDialog::FitHeight()
{
  // The key's two labels keep their size; the lines above and below them add to it.
  int height = CLIENT_HEIGHT;
  if (!lblTarget->isHidden())
    height += lblTarget->sizeHint().height();
  for (const QLabel* line : {lblClash, lblHint})
    if (!line->isHidden())
      height += line->heightForWidth(CLIENT_WIDTH);
  height += m_command_row->sizeHint().height();
  resize(width(), height);
}

void KeyDialog::ShowClash(const QString& note)
{
  if (note.isEmpty())
    return;
  ShowNote(QStringLiteral("\u26A0 ") + note);
  ShowHint(m_clash_hint);
  // Stays open: the next key is a new capture.
  m_clash_shown = true;
  m_captured = false;
}

void KeyDialog::RefuseKey()
{
  // Nothing is stored; the dialog waits for another key.
  ShowNote(ToQString(Messages::KEY_CANNOT_BE_BOUND));
  Announce(this, lblClash->text());
}

void KeyDialog::ShowNote(const QString& note)
{
  lblClash->setText(note);
  if (lblClash->isHidden())
  {
    lblClash->show();
    FitHeight();
  }
}

void KeyDialog::ShowSlotKey()
{
  const std::string& token = m_table.CurrentKey;
  // An empty slot says what to do instead of showing a blank.
  const QString name = token.empty()
                           ? ToQString(Messages::PRESS_A_KEY)
                           : KeyNameInLayout(token, KeyCodeManager::KeyNameFromKeyToken(token));
  ShowToken(name, token);
}

void KeyDialog::ShowToken(const QString& key_name, const std::string& key_token)
{
  Label1->setText(key_name);
  Label2->setText(ToQString(key_token));
  // No accessible description: a screen reader reads the dialog's lines with its caption when it
  // opens, and a description repeating them had Orca say the key and the hint twice.
}

bool KeyDialog::event(QEvent* event)
{
  // Every key belongs to the capture: no shortcut may take it first, Tab must not move the
  // focus and Escape must not close the dialog the way it closes others.
  switch (event->type())
  {
  case QEvent::ShortcutOverride:
    event->accept();
    return true;
  case QEvent::KeyPress:
  case QEvent::KeyRelease:
    ReadKey(*static_cast<QKeyEvent*>(event));
    return true;
  case QEvent::WindowDeactivate:
    // A modifier's release goes to another window now; it must not bind when it comes back.
    m_chords.Reset();
    break;
  default:
    break;
  }
  return QDialog::event(event);
}

void KeyDialog::ReadKey(const QKeyEvent& key)
{
  const KeyChords::Reading reading = m_chords.Read(key);
  if (reading.kind == KeyChords::Reading::Kind::Bind)
    Capture(*reading.key);
  else if (reading.kind == KeyChords::Reading::Kind::Command)
    m_commands.at(static_cast<size_t>(reading.command))();
}

void KeyDialog::Capture(const QKeyEvent& key)
{
  // One key per capture; the dialog is closing by the time another could arrive.
  if (m_captured)
    return;
  const std::string token = KeyTokenOf(key);
  if (token.empty())
  {
    RefuseKey();
    return;
  }
  m_captured = true;
  ShowToken(KeyNameInLayout(token, CapturedKeyName(key, token)), token);
  // The slot is the one named when the key arrives: a binding button clicked while the dialog
  // was open has retargeted it.
  m_table.Set(m_table.CurrentSlotKey, token);
  m_clash_shown = false;
  m_retargeted = false;
  emit KeyTaken(); // the owner may answer with ShowClash or Retarget, which keep the dialog open
  if (!m_clash_shown && !m_retargeted)
    close();
}

int16_t VirtualKeyOf(const QKeyEvent& key)
{
#ifdef _WIN32
  if (key.nativeVirtualKey() != 0)
    return static_cast<int16_t>(key.nativeVirtualKey());
#endif
  return VirtualKeyFromQtKey(key.key(), key.modifiers().testFlag(Qt::KeypadModifier));
}

std::optional<uint8_t> ScanCodeOf([[maybe_unused]] const QKeyEvent& key)
{
#if defined(_WIN32)
  return KeyCodeManager::ScanCodeFromWindows(key.nativeScanCode());
#elif defined(__APPLE__)
  return std::nullopt; // macOS reports key codes of its own, no scan codes
#else
  return KeyCodeManager::ScanCodeFromX11(key.nativeScanCode());
#endif
}

} // namespace corvane
