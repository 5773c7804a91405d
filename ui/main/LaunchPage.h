#pragma once

// The main window's Launch page: the game list, the options passed to the emulator, the status
// line above the pages, and the launch with its checks.

#include "app/Session.h"

#include <QObject>

#include <functional>
#include <string>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QRect;

namespace corvane
{

struct GameRow;

class LaunchPage : public QObject
{
  Q_OBJECT

public:
  // Builds the page's controls on `page`; messages and the status line belong to `window`.
  LaunchPage(Session& session, QFrame& page, QWidget& window);

  // Shows the options text as the settings hold it and lists every game of the table.
  void Load();

  // The status line in `band`, between the tab rows and the pages; cleared whenever a button
  // of the window is pressed, so it is made once every button exists.
  void CreateStatusLine(const QRect& band);

  // The options box's bytes: those it was loaded from while the text is unchanged.
  std::string OptionsText() const;

  // Asked before every launch of a selected game; false stops it (it has told why).
  void SetLaunchGate(std::function<bool()> gate);

  // The game table's row of the selected game; -1 when none is.
  int SelectedGameRow() const;

  // Lists the session's games anew (after the table was replaced), the game of set
  // `selected_set` selected again when it is still there. The options box is left alone.
  void ListGames(const std::string& selected_set);

  // The status line's text (also said to a screen reader); empty clears it.
  void ShowStatus(const QString& text);

  // Starts the selected game with the options, after the checks; a failure is told.
  void LaunchSelected();
  void LaunchItem(QListWidgetItem* item);

  // The page's controls, named as the window has always named them.
  QLabel* Label1 = nullptr;
  QListWidget* lstGames = nullptr;
  QCheckBox* chkShowcmd = nullptr;
  QPushButton* cmdLaunch = nullptr;
  QPushButton* cmdOwnKeys = nullptr;
  QLabel* Label2 = nullptr;
  QLineEdit* txtCommand = nullptr;
  QLabel* lblStatus = nullptr;

signals:
  // "Own Keys..." on the button or the game list's menu.
  void OwnKeysRequested();

private:
  void CreateControls(QFrame& page);
  void ConnectControls();
  // Offers to make the default emulator config when the options name a "zinc.cfg" that is not
  // there; the launch goes on whatever the answer.
  void OfferEmulatorConfig();
  void ReportLaunch(const GameRow& game, const Outcome& started);

  Session& m_session;
  QWidget& m_window;
  std::string m_loaded_options; // txtCommand's bytes as loaded
  std::function<bool()> m_gate;
};

} // namespace corvane
