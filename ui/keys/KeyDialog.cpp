#include "ui/keys/KeyDialog.h"

#include "base/Messages.h"
#include "controls/BindingClashes.h"
#include "controls/BindingEdits.h"
#include "controls/KeyCodeManager.h"
#include "controls/KeyPress.h"
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
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace corvane
{
namespace
{

constexpr int CLIENT_WIDTH = 272;
constexpr double NAME_POINT_SIZE = 22.8;
constexpr double TOKEN_TYPE_SCALE = 0.9; // the stored token, under the name, against plain type
constexpr int SIDE_MARGIN = 10;
// What a window manager's title bar takes beside the title: the icon, the close, maximise and
// minimise boxes, and its own margins, in a type up to a fifth wider than the program's.
constexpr int TITLE_BAR_EXTRA = 140;
constexpr double TITLE_TYPE_ALLOWANCE = 1.2;

QLabel* MakeLabel(const char* name, double point_size, QWidget* parent)
{
  auto* label = new QLabel(QString::fromLatin1(name), parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setAlignment(Qt::AlignCenter);
  label->setTextFormat(Qt::PlainText);
  QFont font = label->font();
  font.setPointSizeF(point_size);
  label->setFont(font);
  return label;
}

// Wide enough for the window manager to show the whole title over the dialog.
int WidthForTitle(const QWidget& dialog)
{
  QFont title_font = dialog.font();
  title_font.setBold(true);
  const int title = QFontMetrics(title_font).horizontalAdvance(dialog.windowTitle());
  return std::max(CLIENT_WIDTH, static_cast<int>(title * TITLE_TYPE_ALLOWANCE) + TITLE_BAR_EXTRA);
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
  // The key's name in large type, the token the file stores for it small beneath.
  Label1 = MakeLabel("Label1", NAME_POINT_SIZE, this);
  Label2 = MakeLabel("Label2", font().pointSizeF() * TOKEN_TYPE_SCALE, this);
  Label2->setForegroundRole(QPalette::PlaceholderText);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(SIDE_MARGIN, SIDE_MARGIN, SIDE_MARGIN, 0);
  layout->setSpacing(SIDE_MARGIN / 2);
  layout->addWidget(lblTarget);
  layout->addWidget(Label1);
  layout->addWidget(Label2);
  lblClash = MakeLine("lblClash", this);
  lblClash->hide();
  layout->addWidget(lblClash);
  lblHint = MakeLine("lblHint", this);
  layout->addWidget(lblHint);
  m_command_row = new QHBoxLayout;
  m_command_row->setContentsMargins(6, 4, 6, 6);
  m_command_row->addStretch(1);
  layout->addLayout(m_command_row);
  resize(WidthForTitle(*this), height());
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
  HideClashWays();
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
  // As tall as its lines need at the width the title gives it, wrapped lines and all.
  layout()->activate();
  resize(width(), layout()->totalHeightForWidth(width()));
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
  OfferClashWays();
}

void KeyDialog::OfferClashWays()
{
  const std::string& slot = m_table.CurrentSlotKey;
  const ClashMap clashes = m_clash_group ? KeyCodeManager::FindClashes(m_table, *m_clash_group)
                                         : KeyCodeManager::FindClashes(m_table);
  m_clash_others.clear();
  for (const std::string_view other : clashes.Others(slot))
    m_clash_others.emplace_back(other);
  if (m_clash_others.empty())
    return;
  // Made at the first clash only: until then Alt+W and Alt+U bind W and U as they always did.
  if (!cmdSwap)
  {
    cmdSwap = AddCommand("cmdSwap", ToQString(Messages::KEYS_SWAP),
                         QKeyCombination(Qt::AltModifier, Qt::Key_W), [this] { SwapWithOther(); });
    cmdUnbindOther =
        AddCommand("cmdUnbindOther", ToQString(Messages::KEYS_UNBIND_OTHER),
                   QKeyCombination(Qt::AltModifier, Qt::Key_U), [this] { UnbindTheOthers(); });
    // What each does, for the eye and for a screen reader, beside the line on replacing or
    // keeping the key, which stays as it is.
    for (QPushButton* way : {cmdSwap, cmdUnbindOther})
    {
      way->setToolTip(ToQString(Messages::KEYS_CLASH_WAYS_HINT));
      way->setAccessibleDescription(ToQString(Messages::KEYS_CLASH_WAYS_HINT));
    }
  }
  // One other input can take this one's old key; several cannot all have it without a clash.
  cmdSwap->setEnabled(m_clash_others.size() == 1);
  cmdSwap->show();
  cmdUnbindOther->show();
}

void KeyDialog::HideClashWays()
{
  m_clash_others.clear();
  if (!cmdSwap)
    return;
  cmdSwap->hide();
  cmdUnbindOther->hide();
  FitHeight();
}

void KeyDialog::SwapWithOther()
{
  if (!m_clash_shown || m_clash_others.size() != 1)
    return;
  const std::string slot = m_table.CurrentSlotKey;
  const std::string token = m_table.Get(slot);
  // The slot still holds the key just taken; its old key is the one the dialog opened with.
  m_table.Set(slot, m_table.CurrentKey);
  SwapOnClash(m_table, slot, token, m_clash_others.front());
  Stored();
}

void KeyDialog::UnbindTheOthers()
{
  if (!m_clash_shown || m_clash_others.empty())
    return;
  const std::string slot = m_table.CurrentSlotKey;
  const std::vector<std::string_view> others(m_clash_others.begin(), m_clash_others.end());
  UnbindOthers(m_table, slot, m_table.Get(slot), others);
  Stored();
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
  const QString name =
      token.empty() ? ToQString(Messages::PRESS_A_KEY)
                    : ToQString(KeyNameInLayout(token, KeyCodeManager::KeyNameFromKeyToken(token)));
  ShowToken(name, token);
}

void KeyDialog::ShowToken(const QString& key_name, const std::string& key_token)
{
  Label1->setText(key_name);
  Label2->setText(ToQString(key_token));
  // No accessible description: a screen reader reads the dialog's lines with its caption when it
  // opens, and a description repeating them had Orca say the key and the hint twice.
}

void KeyDialog::SayCurrentKey()
{
  // A screen reader reads the dialog's title as it opens and nothing of a name line that is not
  // "Press a key": the key follows once the title has been said.
  if (m_table.CurrentKey.empty() || m_captured)
    return;
  constexpr int AFTER_THE_TITLE_MS = 400;
  const QString name = Label1->text();
  QTimer::singleShot(AFTER_THE_TITLE_MS, this,
                     [this, name]
                     {
                       // Unless a key, a clash or another input came first.
                       if (!m_captured && lblClash->isHidden() && Label1->text() == name)
                         Announce(this, ToQString(Messages::KEY_NOW_BOUND) + name);
                     });
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
  case QEvent::WindowActivate:
    SayCurrentKey();
    break;
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
  const KeyCodeManager::PressedKey pressed = KeyCodeManager::KeyFromPress(PressOf(key));
  if (pressed.token.empty())
  {
    RefuseKey();
    return;
  }
  m_captured = true;
  ShowToken(ToQString(KeyNameInLayout(pressed.token, pressed.name)), pressed.token);
  // The slot is the one named when the key arrives: a binding button clicked while the dialog
  // was open has retargeted it.
  m_table.Set(m_table.CurrentSlotKey, pressed.token);
  Stored();
}

void KeyDialog::Stored()
{
  m_captured = true;
  m_clash_shown = false;
  m_retargeted = false;
  HideClashWays();
  emit KeyTaken(); // the owner may answer with ShowClash or Retarget, which keep the dialog open
  if (!m_clash_shown && !m_retargeted)
    close();
}

KeyCodeManager::KeyPress PressOf(const QKeyEvent& key)
{
  // macOS numbers keys its own way, and a key event made up by a program may carry no scan
  // code: there the key code names the key.
#ifdef __APPLE__
  constexpr bool SCAN_CODES = false;
#else
  constexpr bool SCAN_CODES = true;
#endif
  const bool has_scan_code = SCAN_CODES && key.nativeScanCode() != 0;
  return {has_scan_code, has_scan_code ? ScanCodeOf(key) : std::nullopt, VirtualKeyOf(key)};
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
