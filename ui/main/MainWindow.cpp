#include "ui/main/MainWindow.h"

#include "app/LayoutSwitch.h"

#include "base/Messages.h"
#include "catalogue/GroupCoverage.h"
#include "generate/WrapperConfig.h"
#include "ui/access/AccessibleFrame.h"
#include "ui/access/Announcer.h"
#include "ui/access/KeyboardReach.h"
#include "ui/desktop/Dialogs.h"
#include "ui/desktop/QtText.h"
#include "ui/keys/KeyDialog.h"
#include "ui/main/LaunchPage.h"
#include "ui/main/UnsavedWork.h"
#include "ui/widgets/TabStrip.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

namespace corvane
{
namespace
{

constexpr int CLIENT_WIDTH = 602;
constexpr int CLIENT_HEIGHT = 415;
constexpr double FONT_POINT_SIZE = 8.0;
const QColor PAGE_COLOUR(250, 250, 255);

// A flag or option state on a box: 1 ticked, 2 greyed, anything else clear. A value the box
// cannot show stays in memory as it was until the user clicks the box.
void ShowState(QCheckBox* box, int state)
{
  if (state == 2)
    box->setCheckState(Qt::PartiallyChecked);
  else
    box->setCheckState(state == 1 ? Qt::Checked : Qt::Unchecked);
}

int StateOf(const QCheckBox* box)
{
  switch (box->checkState())
  {
  case Qt::Checked:
    return 1;
  case Qt::PartiallyChecked:
    return 2;
  case Qt::Unchecked:
    break;
  }
  return 0;
}

void SetBackground(QWidget* widget, const QColor& colour)
{
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, colour);
  widget->setPalette(palette);
  // Check boxes and option buttons fill with the button colour unless told otherwise.
  widget->setBackgroundRole(QPalette::Window);
  widget->setAutoFillBackground(true);
}

} // namespace

MainWindow::MainWindow(Session& session, QWidget* parent) : QWidget(parent), m_session(session)
{
  ReportAsFrame(this);
  // The object name stays the old form name: on Windows it begins every control's UI Automation
  // id, which scripts that drive the window may know.
  setObjectName("Form1");
  setWindowTitle(ToQString(Messages::MAIN_CAPTION));
  // Every control sits at a fixed pixel position, so the window keeps its one size.
  setFixedSize(CLIENT_WIDTH, CLIENT_HEIGHT);
  // The positions are fixed pixels, laid out for the small type of the classic dialogs.
  QFont small_type = font();
  small_type.setPointSizeF(FONT_POINT_SIZE);
  setFont(small_type);
  CreateLayout();
  NameControls();
  SetFocusOrder();
  CreateKeyboardShortcuts();
  m_launch->CreateStatusLine(StatusBand());
  EnterPressesButtons(this);
  ConnectWidgets();
  Load();
  TrackUnsavedChanges();
}

MainWindow::~MainWindow()
{
  // The key-capture dialog has no owner window, so it is not deleted with this one.
  delete m_keys.data();
}

void MainWindow::Load()
{
  ShowSettings();
  ArrangePages();
  LoadBindings();
  ColourControls();
  m_players.player1->setChecked(true);
  RefreshBindingButtons();
  // The keys as loaded are where undo stops: no step leads back to the empty table before them.
  m_undo->Restart();
  m_launch->Load();
  SwitchPage();
}

void MainWindow::ShowSettings()
{
  const FrontendSettings& settings = m_session.settings;
  ShowState(chkCfgWrapper, settings.CfgWrapperFlag);
  ShowState(chkMakeDat, settings.MakeDatFlag);
  ShowState(m_launch->chkShowcmd, settings.ShowCmdFlag);
}

void MainWindow::ArrangePages()
{
  QFrame* first = fraOpt.front();
  first->show();
  for (QFrame* page : fraOpt)
  {
    page->move(first->pos());
    page->setFrameStyle(QFrame::Box | QFrame::Plain);
    page->setLineWidth(1);
    SetBackground(page, PAGE_COLOUR);
  }
}

void MainWindow::LoadBindings()
{
  const GeneralOptions general = KeyCodeManager::LoadAllBindings(m_session.dir, m_session.bindings);
  ShowState(chkError, general.no_error);
  m_loaded_error_output = general.output;
  txtError->setText(ToQString(m_loaded_error_output));
}

void MainWindow::ColourControls()
{
  const QColor colour = fraOpt.front()->palette().color(QPalette::Window);
  for (QWidget* widget :
       std::initializer_list<QWidget*>{m_players.box, chkError, chkMakeDat, chkCfgWrapper,
                                       m_players.player1, m_players.player2, m_launch->chkShowcmd})
    SetBackground(widget, colour);
}

void MainWindow::SwitchPage()
{
  const int shown = TabStrip1->currentIndex();
  QFrame* page = shown >= 0 && shown < static_cast<int>(fraOpt.size()) ? fraOpt[shown] : nullptr;
  // Focus inside the page being left goes to the new page, as a tabbed dialog does, instead of
  // falling through to whatever follows the hidden page.
  const QWidget* focus = focusWidget();
  const bool focus_on_a_page =
      focus && std::any_of(fraOpt.begin(), fraOpt.end(),
                           [focus](const QFrame* other) { return other->isAncestorOf(focus); });
  if (page)
    page->show();
  if (page && focus_on_a_page && !page->isAncestorOf(focus))
    FocusFirstControlOf(page);
  for (QFrame* other : fraOpt)
    if (other != page)
      other->hide();
}

void MainWindow::TurnPage(int step)
{
  const int count = TabStrip1->count();
  const int shown = (TabStrip1->currentIndex() + step + count) % count;
  TabStrip1->setCurrentIndex(shown);
  // Focus on a page has moved to the new page and the strip says its own tab; from below the
  // pages nothing else would tell a screen reader user that the page turned.
  const QWidget* focus = focusWidget();
  if (!TabStrip1->hasFocus() && !(focus && fraOpt.at(shown)->isAncestorOf(focus)))
    Announce(this, tr("%1 page").arg(TabStrip1->tabText(shown)));
}

std::string MainWindow::OptionsText() const
{
  return m_launch->OptionsText();
}

GeneralOptions MainWindow::ShownGeneralOptions() const
{
  return GeneralOptions{StateOf(chkError), BytesOfEdited(txtError->text(), m_loaded_error_output)};
}

bool MainWindow::TypedTextFitsCodePage()
{
  for (const QLineEdit* box : {m_launch->txtCommand, txtError})
  {
    if (!ExactBytes(box->text()))
    {
      ShowMessage(this, MessageKind::Warning, Messages::TEXT_OUTSIDE_CODE_PAGE);
      return false;
    }
  }
  return true;
}

void MainWindow::SaveAllChanges()
{
  // Nothing is written rather than another path in corvane.cfg and lconfig.ini.
  if (!TypedTextFitsCodePage())
    return;
  const KeyCodeManager::SaveRequest request = ShownRequest();
  auto saved = KeyCodeManager::SaveAllChanges(m_session.dir, request, m_session.groups);
  // Own keys another layout brought; a player who never switches has them as the file holds them.
  const Outcome own_keys = LayoutSwitch::SaveSwitchedOwnKeys(m_session);
  if (own_keys.Ok() && m_session.game_keys)
    m_session.saved.TakeOwnKeys(*m_session.game_keys);
  saved.outcome.Append(own_keys);
  // A game's file the player protected stays as it is by choice, and what was written counts as
  // saved; after any other failure not everything shown is in the files, and the mark stays.
  if (CountsAsSaved(saved.outcome))
    m_session.saved.TakeSave(request);
  emit GroupListsReloaded();
  UpdateUnsavedMark();
  ReportSave(saved);
}

void MainWindow::ReportSave(const KeyCodeManager::SaveOutcome& saved)
{
  if (saved.wrapper_missing)
    ShowMessage(this, MessageKind::Warning, Messages::WRAPPER_NOT_FOUND);
  if (saved.outcome.Ok())
    ShowMessage(this, MessageKind::Plain, SavedText());
  else if (CountsAsSaved(saved.outcome))
    ShowProblems(this, Messages::SAVED_EXCEPT_PROTECTED, saved.outcome.Describe());
  else
    ShowProblems(this, Messages::SAVE_INCOMPLETE, saved.outcome.Describe());
}

std::string MainWindow::SavedText() const
{
  // Games in no list keep no controller file however often the user saves: say so, as news.
  const std::string note = ZincListMan::NoFamilyNote(
      ZincListMan::CountGamesWithoutFamily(m_session.games, m_session.groups));
  std::string text(Messages::ALL_CHANGES_SAVED);
  return note.empty() ? text : text + "\n\n" + note;
}

void MainWindow::EndProgram()
{
  // The run ends at once, whatever else is open, saving nothing more.
  if (m_ending)
    return;
  m_ending = true;
  for (QWidget* window : QApplication::topLevelWidgets())
    window->hide();
  QCoreApplication::exit(0);
}

} // namespace corvane
