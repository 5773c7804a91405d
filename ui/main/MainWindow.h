#pragma once

// ui/main/: the main window, which binds the inputs page by page, holds the options and
// launches a game to try its keys.

#include "app/Session.h"
#include "controls/BindingClashes.h"
#include "controls/SavePipeline.h"
#include "ui/widgets/BindingPages.h"
#include "ui/widgets/PlayerChoice.h"
#include "ui/widgets/SaveCancelRow.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace corvane
{

class BindingButton;
class BindingUndo;
class KeyChartWindow;
class KeyDialog;
class TabStrip;

// The main window: a tab strip over seven pages (the shared inputs, one page per controller
// layout, the launch page), the player choice, two option boxes, Save and Cancel.
class MainWindow : public QWidget
{
  Q_OBJECT

public:
  // Builds the window and runs its load sequence; needs the session's games and settings.
  explicit MainWindow(Session& session, QWidget* parent = nullptr);
  ~MainWindow() override;

  // True when a Save would write something the files do not hold yet: a binding, a box or a
  // text of this window changed since the last load or save, or a scan rewrote the group lists
  // after it, so the per-game files wait for a Save.
  bool HasUnsavedChanges() const;

public slots:
  // The group lists were rewritten on disk outside a Save: the per-game files follow them at
  // the next Save, so the window counts as unsaved until then.
  void NoteListsRewritten();

  // Saves every controller file, the per-game copies, the settings and (when asked) the
  // wrapper configuration, reloads the group lists from disk, and tells the user the outcome.
  void SaveAllChanges();

signals:
  // "Manage Control Groupings" was clicked.
  void ManageGroupsRequested();
  // A save has read the group lists back from their files into the session.
  void GroupListsReloaded();

protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;

private:
  // Everything a Save writes from this window, as shown now.
  struct ShownValues
  {
    std::array<std::string, SLOT_COUNT> bindings;
    int no_error = 0;
    QString error_output;
    QString options;
    std::array<int16_t, 3> flags{}; // CfgWrapperFlag, MakeDatFlag, ShowCmdFlag
    bool operator==(const ShownValues&) const = default;
  };

  // Building (MainWindowLayout.cpp).
  void CreateLayout();
  void CreateTabsAndPages();
  void CreateBindingButtons();
  void CreateGeneralPage();
  void CreateLaunchPage();
  void CreateBottomControls();
  void ConnectWidgets();
  void ConnectFlag(QCheckBox* box, int16_t FrontendSettings::*flag);

  // Keyboard and screen-reader access (MainWindowAccess.cpp).
  void NameControls();
  void CreateKeyboardShortcuts();
  void SetFocusOrder();
  void FocusFirstControlOf(QWidget* page);

  // The unsaved mark and the question before closing (MainWindowUnsaved.cpp).
  ShownValues CurrentValues() const;
  void TrackUnsavedChanges();
  void MarkSaved();
  void UpdateUnsavedMark();
  bool MayClose();

  // The status line above the pages (MainWindowStatus.cpp).
  void CreateStatusLine();
  void ShowStatus(const QString& text);
  void ReportLaunch(const GameRow& game, const Outcome& started);

  // The load sequence (MainWindow.cpp).
  void Load();
  void ShowSettings();
  void ArrangePages();
  void LoadBindings();
  void ColourControls();
  void FillGameList();
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
  void StepHistory(bool undo);
  // Shows a key the dialog has just taken into `slot`; the inputs it clashes with, if any.
  QString KeyTakenNote(std::string_view slot);

  // What the buttons do (MainWindow.cpp, MainWindowActions.cpp).
  void OpenKeyCapture(const BindingRow& row);
  void LaunchSelected();
  int SelectedGameRow() const;
  void OpenOwnKeys();
  void LaunchItem(QListWidgetItem* item);
  void ManageZincOptions();
  void ManageRendererConfig();
  void ReportSave(const KeyCodeManager::SaveOutcome& saved);
  std::string SavedText() const;
  void EndProgram();
  std::string OptionsText() const;
  // False, after a warning, when a typed text cannot be written in the code page exactly.
  bool TypedTextFitsCodePage();
  GeneralOptions ShownGeneralOptions() const;

  Session& m_session;
  QPointer<KeyDialog> m_keys;
  QPointer<KeyChartWindow> m_chart;
  std::string m_loaded_options;      // txtCommand's bytes as loaded
  std::string m_loaded_error_output; // txtError's bytes as loaded
  bool m_ending = false;
  std::optional<ShownValues> m_saved; // as last loaded or saved; none while loading
  bool m_lists_rewritten = false;     // by a scan since the last save
  QLabel* lblStatus = nullptr;

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
  QPushButton* cmdLayouts = nullptr;
  BindingUndo* m_undo = nullptr;
  // Launch page.
  QLabel* Label1 = nullptr;
  QListWidget* lstGames = nullptr;
  QCheckBox* chkShowcmd = nullptr;
  QPushButton* cmdLaunch = nullptr;
  QPushButton* cmdOwnKeys = nullptr;
  QLabel* Label2 = nullptr;
  QLineEdit* txtCommand = nullptr;
  // Below the pages.
  PlayerChoice m_players;
  QCheckBox* chkCfgWrapper = nullptr;
  QCheckBox* chkMakeDat = nullptr;
  SaveCancelRow m_save_row;
};

} // namespace corvane
