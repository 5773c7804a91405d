#pragma once

#include "app/Session.h"
#include "controls/BindingClashes.h"
#include "controls/SavePipeline.h"

#include <QPointer>
#include <QWidget>

#include <string>
#include <string_view>
#include <vector>

class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QRadioButton;

namespace corvane
{

class TabStrip;
class frmKeys;

// The main window: a tab strip over seven pages (the shared inputs, one page per controller
// layout, the launch page), the player choice, two option boxes, Save and Cancel.
class Form1 : public QWidget
{
  Q_OBJECT

public:
  // Builds the window and runs its load sequence; needs the session's games and settings.
  explicit Form1(Session& session, QWidget* parent = nullptr);
  ~Form1() override;

  // One binding button: the member and object name, its caption, its page, the slots it binds
  // for player 1 and player 2 (the same slot for an input that belongs to no player) and where
  // it stands on its page.
  struct BindingRow
  {
    QPushButton* Form1::*member;
    const char* name;
    const char* caption;
    int page;
    std::string_view slot_p1;
    std::string_view slot_p2;
    int x;
    int y;
  };

  // Every binding button is a square of this side.
  static constexpr int BINDING_BUTTON_SIZE = 65;

  // The 31 binding buttons, in tab order.
  static const std::vector<BindingRow>& BindingRows();

  // The caption of the page's tab.
  static QString PageCaption(int page);

public slots:
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

private:
  // Building (Form1Layout.cpp).
  void CreateLayout();
  void CreateTabsAndPages();
  void CreateBindingButtons();
  void CreateGeneralPage();
  void CreateLaunchPage();
  void CreateBottomControls();
  void ConnectWidgets();
  void ConnectFlag(QCheckBox* box, int16_t FrontendSettings::*flag);

  // Keyboard and screen-reader access (Form1Access.cpp).
  void NameControls();
  void CreateKeyboardShortcuts();
  void SetFocusOrder();
  void FocusFirstControlOf(QWidget* page);

  // The load sequence (Form1.cpp).
  void Load();
  void ShowSettings();
  void ArrangePages();
  void LoadBindings();
  void ColourControls();
  void FillGameList();
  void SwitchPage();
  void TurnPage(int step);

  // The binding buttons (Form1Bindings.cpp).
  std::string_view SelectedSlot(const BindingRow& row) const;
  void RefreshBindingButtons();
  void ClearBinding(const BindingRow& row);
  void TakeCapturedKey();

  // What the buttons do (Form1.cpp, Form1Actions.cpp).
  void OpenKeyCapture(const BindingRow& row);
  void LaunchSelected();
  int SelectedGameRow() const;
  void OpenGameKeys();
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
  QPointer<frmKeys> m_keys;
  std::string m_loaded_options;      // txtCommand's bytes as loaded
  std::string m_loaded_error_output; // txtError's bytes as loaded
  bool m_ending = false;

  TabStrip* TabStrip1 = nullptr;
  std::vector<QFrame*> fraOpt;

  // General page.
  QPushButton* UP = nullptr;
  QPushButton* Down = nullptr;
  QPushButton* Left = nullptr;
  QPushButton* Right = nullptr;
  QPushButton* cmdStart1 = nullptr;
  QPushButton* CmdStart2 = nullptr;
  QPushButton* CmdCoin1 = nullptr;
  QPushButton* cmdCoin2 = nullptr;
  QPushButton* cmdTest = nullptr;
  QPushButton* cmdService = nullptr;
  QCheckBox* chkError = nullptr;
  QLineEdit* txtError = nullptr;
  QPushButton* cmdManCont = nullptr;
  QPushButton* Command1 = nullptr;
  QPushButton* Command2 = nullptr;
  // Layout pages.
  QPushButton* CapPunch1 = nullptr;
  QPushButton* CapPunch2 = nullptr;
  QPushButton* CapPunch3 = nullptr;
  QPushButton* CapKick1 = nullptr;
  QPushButton* CapKick2 = nullptr;
  QPushButton* CapKick3 = nullptr;
  QPushButton* tbuta = nullptr;
  QPushButton* tbutb = nullptr;
  QPushButton* tbutc = nullptr;
  QPushButton* cmdqma1 = nullptr;
  QPushButton* cmdqma2 = nullptr;
  QPushButton* cmdqma3 = nullptr;
  QPushButton* cmdqma4 = nullptr;
  QPushButton* cmdTLP = nullptr;
  QPushButton* cmdTRP = nullptr;
  QPushButton* cmdTLK = nullptr;
  QPushButton* cmdTRK = nullptr;
  QPushButton* SEAttackHor = nullptr;
  QPushButton* SEAttackVert = nullptr;
  QPushButton* SEKick = nullptr;
  QPushButton* SEGuard = nullptr;
  // Launch page.
  QLabel* Label1 = nullptr;
  QListWidget* lstGames = nullptr;
  QCheckBox* chkShowcmd = nullptr;
  QPushButton* cmdLaunch = nullptr;
  QPushButton* cmdOwnKeys = nullptr;
  QLabel* Label2 = nullptr;
  QLineEdit* txtCommand = nullptr;
  // Below the pages.
  QGroupBox* Frame1 = nullptr;
  QRadioButton* optP1 = nullptr;
  QRadioButton* optP2 = nullptr;
  QCheckBox* chkCfgWrapper = nullptr;
  QCheckBox* chkMakeDat = nullptr;
  QPushButton* cmdSave = nullptr;
  QPushButton* cmdCancel = nullptr;
};

} // namespace corvane
