#include "ui/ownkeys/OwnKeysWindow.h"

#include "base/Messages.h"
#include "controls/BindingClashes.h"
#include "controls/ControllerFiles.h"
#include "controls/SavePipeline.h"
#include "ui/access/Announcer.h"
#include "ui/desktop/Dialogs.h"
#include "ui/desktop/QtText.h"
#include "ui/keyboard/KeyboardLayout.h"
#include "ui/keys/BindAllWalk.h"
#include "ui/keys/KeyDialog.h"
#include "ui/widgets/BindingButton.h"
#include "ui/widgets/BindingTexts.h"
#include "ui/widgets/PlayerChoice.h"
#include "ui/widgets/SaveCancelRow.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

namespace corvane
{
namespace
{

constexpr int WIDTH = 597;
constexpr int FRAME_WIDTH = 581;
constexpr int SHARED_TOP = 8;
constexpr int SHARED_HEIGHT = 246;
constexpr int FAMILY_TOP = 262;
constexpr int FAMILY_HEIGHT = 200;
constexpr int FAMILY_SHIFT = 44; // the family pages' buttons start lower than needed here
constexpr int BOTTOM_TOP = 470;
constexpr int HEIGHT = 516;

// Only the changed slots are written over the session's own keys: every other line of the file
// keeps its bytes.
void ApplyChanges(GameKeys& keys, const std::string& set_name,
                  const std::vector<std::pair<std::string, std::optional<std::string>>>& changes)
{
  for (const auto& [slot, token] : changes)
  {
    if (token)
      keys.SetOwn(set_name, slot, *token);
    else
      keys.ClearOwn(set_name, slot);
  }
}

// The lists with only the game's own entries: its copy is all an own-keys Save writes.
GroupLists OnlyGame(GroupLists lists, const std::string& set_name)
{
  for (auto& entries : lists.entries)
    std::erase_if(entries, [&](const std::string& entry) { return entry != set_name; });
  return lists;
}

} // namespace

OwnKeysWindow::OwnKeysWindow(Session& session, size_t game_row, GroupId family, QWidget* parent)
    : QDialog(parent), m_session(session), m_set_name(session.games.rows.at(game_row).set_name),
      m_family(family)
{
  setObjectName("frmGameKeys");
  const std::string& title = session.games.rows.at(game_row).title;
  m_caption = tr("Own Keys: %1 (%2)").arg(ToQString(title), ToQString(m_set_name));
  setWindowTitle(m_caption);
  setAttribute(Qt::WA_DeleteOnClose);
  if (parent)
    setFont(parent->font()); // a window does not take its owner's type by itself
  CreateLayout();
  m_players.player1->setChecked(true);
  Refresh();
  m_undo =
      std::make_unique<UndoSteps<Changes>>([this] { return m_changes; },
                                           [this](const Changes& changes)
                                           {
                                             m_changes = changes;
                                             Refresh();
                                           },
                                           [this]() -> QObject* { return m_dialog.data(); }, this);
  AddUndoShortcuts(this, [this](bool undo) { m_undo->Step(undo); });
}

OwnKeysWindow::~OwnKeysWindow()
{
  delete m_dialog.data(); // it edits this window's table
}

void OwnKeysWindow::CreateLayout()
{
  setFixedSize(WIDTH, HEIGHT);
  CreateBindingFrame("fraShared", GENERAL_PAGE, SHARED_TOP, SHARED_HEIGHT);
  CreateBindingFrame("fraFamily", PageOf(m_family), FAMILY_TOP, FAMILY_HEIGHT);
  m_players = CreatePlayerChoice(this, QPoint(8, BOTTOM_TOP - 8));
  m_save_row = CreateSaveCancelRow(this, QPoint(WIDTH - 124, BOTTOM_TOP));
  connect(m_players.player1, &QRadioButton::toggled, this, &OwnKeysWindow::Refresh);
  connect(m_save_row.save, &QPushButton::clicked, this, &OwnKeysWindow::Save);
  connect(m_save_row.cancel, &QPushButton::clicked, this, &OwnKeysWindow::Leave);
  // Left of Save, clear of the player choice: nothing else in the window moves.
  cmdBindAll = new QPushButton(tr("Bind &All..."), this);
  cmdBindAll->setObjectName("cmdBindAll");
  cmdBindAll->setGeometry(WIDTH - 220, BOTTOM_TOP, 90, 30);
  connect(cmdBindAll, &QPushButton::clicked, this, &OwnKeysWindow::BindAll);
  chkWalkShared = CreateSharedWalkBox(this, QRect(164, BOTTOM_TOP + 5, 200, 20));
}

// The page's binding buttons that the family's file holds, where the main window has them.
void OwnKeysWindow::CreateBindingFrame(const char* name, int page, int top, int height)
{
  auto* frame = new QGroupBox(PageCaption(page), this);
  frame->setObjectName(name);
  frame->setGeometry(8, top, FRAME_WIDTH, height);
  const int shift = page == GENERAL_PAGE ? -16 : FAMILY_SHIFT;
  for (const BindingRow& row : BindingRows())
  {
    if (row.page != page || !FamilyFileHolds(m_family, row.slot_p1))
      continue;
    auto* button = new BindingButton(CaptionText(row.caption), frame);
    button->setObjectName(CaptionText(row.name));
    button->setGeometry(row.x, row.y - shift, BINDING_BUTTON_SIZE, BINDING_BUTTON_SIZE);
    button->SetClearText(tr("Use Family Key"));
    connect(button, &QPushButton::clicked, this, [this, &row] { OpenKeyCapture(row); });
    connect(button, &BindingButton::ClearRequested, this, [this, &row] { UseFamilyKey(row); });
    m_buttons.emplace_back(&row, button);
  }
}

void OwnKeysWindow::changeEvent(QEvent* event)
{
  // Keys are named in the keyboard layout in force, which may have changed meanwhile.
  if (IsKeyboardLayoutMoment(*event, *this))
    Refresh();
  QDialog::changeEvent(event);
}

GameKeys OwnKeysWindow::KeysShown() const
{
  GameKeys keys = m_session.game_keys.value_or(GameKeys());
  ApplyChanges(keys, m_set_name, m_changes);
  return keys;
}

BindingTable OwnKeysWindow::KeysTheGameGets(const GameKeys& keys) const
{
  // Its own over its family's.
  BindingTable effective = m_session.bindings;
  for (const auto& [slot, token] : keys.Applying(m_set_name, m_family))
    effective.Set(slot, token);
  return effective;
}

void OwnKeysWindow::Refresh()
{
  const GameKeys keys = KeysShown();
  const BindingTable effective = KeysTheGameGets(keys);
  const ClashMap clashes = KeyCodeManager::FindClashes(effective, m_family);
  const auto inherits = [&](std::string_view slot)
  { return !keys.Own(m_set_name, slot).has_value(); };
  for (const auto& [row, button] : m_buttons)
    ShowBinding(*button, *row, m_players.SelectedSlot(*row), effective, clashes, inherits);
  const std::string slot = m_capture.CurrentSlotKey;
  m_capture = effective;
  m_capture.CurrentSlotKey = slot;
  if (m_undo)
    m_undo->Note();
  // Marked as the main window is while its own keys differ from those it opened with.
  setWindowTitle(HasUnsavedChanges() ? ToQString(Messages::UNSAVED_MARK) + m_caption : m_caption);
}

bool OwnKeysWindow::HasUnsavedChanges() const
{
  return KeysShown().Applying(m_set_name, m_family) !=
         m_session.saved.OwnKeysOf(m_set_name, m_family);
}

void OwnKeysWindow::OpenKeyCapture(const BindingRow& row)
{
  const std::string_view slot = m_players.SelectedSlot(row);
  if (KeyDialog::OpenFor(m_dialog, m_capture, slot, TargetText(row, slot)))
  {
    m_dialog->LimitClashesTo(m_family);
    connect(m_dialog, &KeyDialog::KeyTaken, this, &OwnKeysWindow::TakeCapturedKey);
  }
}

void OwnKeysWindow::TakeCapturedKey()
{
  const std::string slot = m_capture.CurrentSlotKey;
  const QString note = KeyTakenNote(slot);
  m_dialog->ShowClash(note);
  // A clash keeps the dialog open and is heard there; a key taken is heard in this window, which
  // outlives the closing dialog.
  QWidget* heard_in = note.isEmpty() ? static_cast<QWidget*>(this) : m_dialog.data();
  Announce(heard_in,
           SpokenCapture(slot, m_capture, KeyCodeManager::FindClashes(m_capture, m_family)));
}

QString OwnKeysWindow::KeyTakenNote(std::string_view slot)
{
  const std::string taken(slot); // Refresh rebuilds the table the view points into
  // The key taken becomes the game's own, its family's key too; so does another input's key
  // that a swap or an unbind changed.
  const BindingTable before = KeysTheGameGets(KeysShown());
  for (const std::string_view changed : BindingTable::SlotKeys())
  {
    if (changed == taken || m_capture.Get(changed) != before.Get(changed))
      m_changes.emplace_back(changed, m_capture.Get(changed));
  }
  Refresh();
  return ClashText(taken, KeyCodeManager::FindClashes(m_capture, m_family));
}

void OwnKeysWindow::BindAll()
{
  const Player player = m_players.Chosen();
  const SharedInputs shared = SharedInputsFor(player, chkWalkShared->isChecked());
  BindAllWalk::Start(
      m_dialog, m_capture, FamilyWalk(m_family, player, shared),
      [this](std::string_view slot) { return KeyTakenNote(slot); }, this);
  if (m_dialog)
    m_dialog->LimitClashesTo(m_family);
}

void OwnKeysWindow::UseFamilyKey(const BindingRow& row)
{
  const std::string_view slot = m_players.SelectedSlot(row);
  m_changes.emplace_back(slot, std::nullopt);
  Refresh();
  // The slot now has its family's key, which is what the player hears.
  Announce(this, SpokenBinding(row, slot, m_capture.Get(slot)) + tr(" (family key)"));
}

void OwnKeysWindow::Save()
{
  if (WriteKeys())
    Leave();
}

void OwnKeysWindow::Leave()
{
  m_leaving = true;
  close();
}

void OwnKeysWindow::closeEvent(QCloseEvent* event)
{
  // The close box asks before unsaved own keys go; Save and Cancel were the player's choice.
  if (!m_leaving && HasUnsavedChanges())
  {
    const UnsavedAnswer answer = AskAboutUnsaved(this, Messages::UNSAVED_QUESTION);
    if (answer == UnsavedAnswer::Cancel || (answer == UnsavedAnswer::Save && !WriteKeys()))
    {
      event->ignore();
      return;
    }
  }
  QDialog::closeEvent(event);
}

void OwnKeysWindow::RefreshOtherWindows()
{
  if (!parentWidget())
    return;
  for (OwnKeysWindow* other : parentWidget()->findChildren<OwnKeysWindow*>())
    if (other != this)
      other->Refresh();
}

bool OwnKeysWindow::WriteKeys()
{
  // Own keys no one could read are never replaced by these alone.
  if (!m_session.game_keys)
  {
    ShowMessage(this, MessageKind::Warning, Messages::OWN_KEYS_UNREADABLE);
    return false;
  }
  // Every game's, whichever window changed them; the session takes them only once stored, so
  // a failed write leaves the window with its changes and no copy is made from keys not kept.
  GameKeys keys = KeysShown();
  const Outcome stored = KeyCodeManager::SaveGameKeys(m_session.dir, keys);
  if (!stored.Ok())
  {
    ShowProblems(this, {}, stored.Describe());
    return false;
  }
  m_session.game_keys = std::move(keys);
  m_changes.clear();
  m_undo->Restart(); // the changes are the file's now: nothing of them to take back
  m_session.saved.TakeOwnKeys(*m_session.game_keys);
  RefreshOtherWindows();
  const Outcome copied = WriteGameCopy();
  if (!copied.Ok())
    ShowProblems(this, {}, copied.Describe());
  return true;
}

Outcome OwnKeysWindow::WriteGameCopy() const
{
  // The copy follows the lists and family files as last saved; a family file that no Save has
  // written yet is made, for this copy only, from the keys the main window holds.
  return KeyCodeManager::MakePerGameControllerFiles(
      m_session.dir, OnlyGame(ZincListMan::LoadGroupLists(m_session.dir), m_set_name),
      &*m_session.game_keys, std::nullopt, &m_session.bindings);
}

} // namespace corvane
