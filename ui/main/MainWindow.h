#pragma once

// ui/main/: the main window, which binds the inputs page by page, holds the options and
// launches a game to try its keys.

#include "app/ListingRefresh.h"
#include "app/Session.h"
#include "controls/BindingClashes.h"
#include "controls/BindingEdits.h"
#include "controls/KeyPress.h"
#include "controls/SavePipeline.h"
#include "ui/keys/UndoSteps.h"
#include "ui/widgets/BindingPages.h"
#include "ui/widgets/PlayerChoice.h"
#include "ui/widgets/SaveCancelRow.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace corvane
{

class BindingButton;
class KeyChartWindow;
class KeyDialog;
class KeyTest;
class LaunchPage;
class TabStrip;
class UnsavedWork;

// The main window: a tab strip over seven pages (the shared inputs, one page per controller
// layout, the launch page), the player choice, two option boxes, Save and Cancel. It builds the
// binding pages itself and wires its parts: the Launch page (LaunchPage) and the unsaved work
// (UnsavedWork) over the session's record of what is saved.
class MainWindow : public QWidget
{
  Q_OBJECT

public:
  // Builds the window and runs its load sequence; needs the session's games and settings.
  explicit MainWindow(Session& session, QWidget* parent = nullptr);
  ~MainWindow() override;

  // True when work would be lost: a Save would write something the files do not hold yet (a
  // binding, a box or a text of this window differs from the session's record of what is saved,
  // or a scan rewrote the group lists since, so the per-game files wait for a Save), or moves
  // wait in the grouping window.
  bool HasUnsavedChanges() const;

  // Counts the grouping window's moves as unsaved work: `pending` tells whether any wait, and
  // `save` writes them and then everything else, as the grouping window's Save does.
  void CountGroupingMoves(std::function<bool()> pending, std::function<void()> save);

public slots:
  // The group lists were rewritten on disk outside a Save: the per-game files follow them at
  // the next Save, so the window counts as unsaved until then.
  void NoteListsRewritten();

  // Saves every controller file, the per-game copies, the settings and (when asked) the
  // wrapper configuration, reloads the group lists from disk, and tells the user the outcome.
  void SaveAllChanges();

  // Puts the unsaved mark in the title, or takes it away.
  void UpdateUnsavedMark();

  // Takes in what the listings run behind the window found: another game list replaces the
  // shown one in place (the selection, the options and every unsaved change kept) and the
  // status line says so; a failure is said there and the list stays. The same list changes
  // nothing. Waits while a dialog or a wait of the window's own is open.
  void TakeRefreshedListing(const XpStyles::ListingRefresh& refresh);

signals:
  // "Manage Control Groupings" was clicked.
  void ManageGroupsRequested();
  // A save has read the group lists back from their files into the session.
  void GroupListsReloaded();
  // The session's game table was replaced: views of it show it anew.
  void GamesRelisted();

protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;

private:
  // Building (MainWindowLayout.cpp).
  void CreateLayout();
  void CreateTabsAndPages();
  void CreateBindingButtons();
  void CreateGeneralPage();
  void CreateBottomControls();
  // Where the status line goes: between the tab rows and the pages.
  QRect StatusBand() const;
  void ConnectWidgets();
  void ConnectFlag(QCheckBox* box, int16_t FrontendSettings::*flag);

  // Keyboard and screen-reader access (MainWindowAccess.cpp).
  void NameControls();
  void CreateKeyboardShortcuts();
  void SetFocusOrder();
  void FocusFirstControlOf(QWidget* page);

  // The unsaved work and the questions before it would go (MainWindowUnsaved.cpp).
  void TrackUnsavedChanges();
  // Everything a Save would write, as the window shows it now.
  KeyCodeManager::SaveRequest ShownRequest() const;
  bool MayClose();
  // Before a launch: true to go on (nothing unsaved, saved, or the saved keys chosen).
  bool MayLaunch();
  void SaveWithGroupingMoves();

  // The load sequence (MainWindow.cpp).
  void Load();
  void ShowSettings();
  void ArrangePages();
  void LoadBindings();
  void ColourControls();
  void SwitchPage();
  void TurnPage(int step);

  // The binding buttons (MainWindowBindings.cpp).
  void RefreshBindingButtons();
  void ClearBinding(const BindingRow& row);
  void TakeCapturedKey();

  // Bind All and the key chart (MainWindowWalk.cpp).
  void CreateWalkButtons();
  void BindAll(int page);
  void OpenKeyChart();
  // Named layouts and undo (MainWindowLayouts.cpp).
  void CreateLayoutControls();
  void OpenLayouts();
  void ShowLayoutInUse();
  // Reset, copy and the key test (MainWindowEdits.cpp).
  void CreateEditControls();
  void CreateEditMenu(int page);
  void CloseKeyDialog();
  void AskAndReset(const ResetScope& scope);
  void AskAndCopy(int page, Player from);
  void SwitchKeyTest(bool on);
  void TestKey(const KeyCodeManager::PressedKey& key);
  // Shows a key the dialog has just taken into `slot`; the inputs it clashes with, if any.
  QString KeyTakenNote(std::string_view slot);

  // What the buttons do (MainWindow.cpp, MainWindowActions.cpp).
  void OpenKeyCapture(const BindingRow& row);
  void OpenOwnKeys();
  void ManageZincOptions();
  void ManageRendererConfig();
  void ReportSave(const KeyCodeManager::SaveOutcome& saved);
  std::string SavedText() const;
  void EndProgram();
  // The listing refresh put off while the window was busy, taken in now (MainWindowRefresh.cpp).
  void TakeWaitingRefresh();
  std::string OptionsText() const;
  // False, after a warning, when a typed text cannot be written in the code page exactly.
  bool TypedTextFitsCodePage();
  GeneralOptions ShownGeneralOptions() const;

  Session& m_session;
  QPointer<KeyDialog> m_keys;
  QPointer<KeyChartWindow> m_chart;
  std::string m_loaded_error_output; // txtError's bytes as loaded
  bool m_ending = false;
  std::optional<XpStyles::ListingRefresh> m_waiting_refresh; // put off while the window is busy
  QTimer m_refresh_retry;                                    // then tried again by this
  UnsavedWork* m_unsaved = nullptr;                          // none while loading
  std::function<bool()> m_grouping_moves_pending;
  std::function<void()> m_save_grouping_moves;

  TabStrip* TabStrip1 = nullptr;
  std::vector<QFrame*> fraOpt;

  std::vector<BindingButton*> m_binding_buttons; // in the order of BindingRows()

  // General page.
  QCheckBox* chkError = nullptr;
  QLineEdit* txtError = nullptr;
  QPushButton* cmdManCont = nullptr;
  QPushButton* Command1 = nullptr;
  QPushButton* Command2 = nullptr;
  QPushButton* cmdKeyChart = nullptr;
  QCheckBox* chkWalkShared = nullptr; // on the General page, for every page's Bind All
  LaunchPage* m_launch = nullptr;
  QPushButton* cmdLayouts = nullptr;
  std::unique_ptr<UndoSteps<BindingTable>> m_undo;
  std::vector<QPushButton*> m_key_test_buttons; // one per binding page
  KeyTest* m_key_test = nullptr;
  // Below the pages.
  PlayerChoice m_players;
  QCheckBox* chkCfgWrapper = nullptr;
  QCheckBox* chkMakeDat = nullptr;
  SaveCancelRow m_save_row;
};

} // namespace corvane
