#pragma once

// ui/ownkeys/: the Own Keys window, which gives one game keys of its own over its family's.

// A game's own keys: the shared inputs and its family's inputs as binding buttons, each showing
// the key the game gets, its own key plainly and its family's dimmed in brackets. A key taken
// becomes the game's own; "Use Family Key" (or Delete) gives the slot back to the family. Save
// writes the own keys and the game's controller file; Cancel drops the window's changes.
// The session holds every game's own keys, and each window only its changes until Save hands
// them over, so windows open for several games side by side never undo each other's.

#include "app/Session.h"
#include "ui/keys/UndoSteps.h"
#include "ui/widgets/BindingPages.h"
#include "ui/widgets/PlayerChoice.h"
#include "ui/widgets/SaveCancelRow.h"

#include <QDialog>
#include <QPointer>

#include <memory>

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace corvane
{

class BindingButton;
class KeyDialog;

class OwnKeysWindow : public QDialog
{
  Q_OBJECT

public:
  // For the game of the game table's row `game_row`, a game of `family`. Needs the session's
  // own keys to be readable.
  OwnKeysWindow(Session& session, size_t game_row, GroupId family, QWidget* parent = nullptr);
  ~OwnKeysWindow() override;

  // True while the game's own keys as shown differ from those the file holds (the session's
  // record of what is saved), whichever window stored them.
  bool HasUnsavedChanges() const;

  // Shows the keys and the unsaved mark again, after another window stored own keys.
  void Refresh();

protected:
  void changeEvent(QEvent* event) override;
  // The close box asks Save / Discard / Cancel when own keys are unsaved.
  void closeEvent(QCloseEvent* event) override;

private:
  void CreateLayout();
  void CreateBindingFrame(const char* name, int page, int top, int height);
  // The other Own Keys windows beside this one show what it stored.
  void RefreshOtherWindows();
  void OpenKeyCapture(const BindingRow& row);
  void TakeCapturedKey();
  // Makes the key the dialog has just taken into `slot` the game's own; the inputs it clashes
  // with, if any.
  QString KeyTakenNote(std::string_view slot);
  void BindAll();
  void UseFamilyKey(const BindingRow& row);
  // Every game's own keys as the session holds them, with this window's changes over them.
  GameKeys KeysShown() const;
  // The keys the game gets with `keys` as its own: its own over its family's.
  BindingTable KeysTheGameGets(const GameKeys& keys) const;
  void Save();
  // Writes the own keys and the game's controller file; false, after a warning, when the own
  // keys could not be read at start and so may not be replaced, or could not be written.
  bool WriteKeys();
  // Writes the game's controller file with its stored own keys over its family's file.
  Outcome WriteGameCopy() const;
  // Closes without the question: Save or Cancel was the player's choice.
  void Leave();

  Session& m_session;
  std::string m_set_name;
  GroupId m_family;
  // The game's slots this window changed, in order: its own token, or nullopt for the family's.
  using Changes = std::vector<std::pair<std::string, std::optional<std::string>>>;
  Changes m_changes;
  std::unique_ptr<UndoSteps<Changes>> m_undo; // over m_changes
  QString m_caption;
  bool m_leaving = false;
  BindingTable m_capture; // what the key dialog edits: the game's keys as it gets them
  std::vector<std::pair<const BindingRow*, BindingButton*>> m_buttons;
  QPointer<KeyDialog> m_dialog;
  QPushButton* cmdBindAll = nullptr;
  QCheckBox* chkWalkShared = nullptr;

  PlayerChoice m_players;
  SaveCancelRow m_save_row;
};

} // namespace corvane
