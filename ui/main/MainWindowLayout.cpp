// Building the main window: the tab strip, the pages and the controls below them.

#include "ui/desktop/QtText.h"
#include "ui/main/LaunchPage.h"
#include "ui/main/MainWindow.h"
#include "ui/widgets/PlayerChoice.h"
#include "ui/widgets/SaveCancelRow.h"
#include "ui/widgets/TabStrip.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <limits>

namespace corvane
{
namespace
{

constexpr QRect FIRST_PAGE(8, 67, 581, 295);

QString Text(const char* text)
{
  return QString::fromLatin1(text);
}

template <typename Widget> Widget* Place(Widget* widget, const char* name, const QRect& geometry)
{
  widget->setObjectName(Text(name));
  widget->setGeometry(geometry);
  return widget;
}

} // namespace

void MainWindow::CreateLayout()
{
  CreateTabsAndPages();
  CreateBindingButtons();
  CreateGeneralPage();
  m_launch = new LaunchPage(m_session, *fraOpt.at(LAUNCH_PAGE), *this);
  CreateWalkButtons();
  CreateLayoutControls();
  CreateEditControls();
  CreateBottomControls();
}

void MainWindow::CreateTabsAndPages()
{
  // Created first, so that everything else lies above it.
  TabStrip1 = Place(new TabStrip(this), "TabStrip1", rect());
  for (int index = 0; index < PAGE_COUNT; ++index)
  {
    TabStrip1->addTab(PageCaption(index), PageToolTip(index));
    auto* page = new TabPage(this);
    page->setAccessibleName(PageCaption(index));
    page->setObjectName(QStringLiteral("fraOpt%1").arg(fraOpt.size()));
    // Every page has the first page's size; the load sequence puts them in its place.
    page->setGeometry(QRect(QPoint(0, 0), FIRST_PAGE.size()));
    page->hide();
    fraOpt.push_back(page);
  }
  fraOpt.front()->move(FIRST_PAGE.topLeft());
}

void MainWindow::CreateGeneralPage()
{
  QFrame* page = fraOpt.at(GENERAL_PAGE);
  chkError = Place(new QCheckBox(Text("Have Plugin Halt on Errors"), page), "chkError",
                   QRect(8, 210, 260, 20));
  txtError = Place(new QLineEdit(page), "txtError", QRect(8, 232, 260, 22));
  txtError->setMaxLength(std::numeric_limits<int>::max());
  cmdManCont = Place(new QPushButton(Text("Manage Control Groupings"), page), "cmdManCont",
                     QRect(8, 262, 183, 26));
  Command1 = Place(new QPushButton(Text("Manage Zinc Options"), page), "Command1",
                   QRect(199, 262, 183, 26));
  Command2 = Place(new QPushButton(Text("Manage Renderer Config"), page), "Command2",
                   QRect(390, 262, 183, 26));
}

QRect MainWindow::StatusBand() const
{
  constexpr int GAP = 2;     // from the tab rows above and the page frame below
  constexpr int INDENT = 12; // in from the pane's edge, as the pages' text stands
  const int top = TabStrip1->TabsHeight() + GAP;
  const int height = fraOpt.front()->y() - GAP - top;
  return {INDENT, top, fraOpt.front()->width() - INDENT, height};
}

void MainWindow::CreateBottomControls()
{
  m_players = CreatePlayerChoice(this, QPoint(8, 364));
  m_players.box->setObjectName("Frame1");
  chkCfgWrapper = Place(new QCheckBox(Text("Configure Zinc Wrapper When Changes are Saved"), this),
                        "chkCfgWrapper", QRect(164, 367, 306, 20));
  chkMakeDat = Place(new QCheckBox(Text("Make a ClrMame Style Dat When Config Loads"), this),
                     "chkMakeDat", QRect(164, 389, 306, 20));
  m_save_row = CreateSaveCancelRow(this, QPoint(476, 374));
}

void MainWindow::ConnectWidgets()
{
  connect(TabStrip1, &TabStrip::currentChanged, this, &MainWindow::SwitchPage);
  ConnectFlag(chkCfgWrapper, &FrontendSettings::CfgWrapperFlag);
  ConnectFlag(chkMakeDat, &FrontendSettings::MakeDatFlag);
  ConnectFlag(m_launch->chkShowcmd, &FrontendSettings::ShowCmdFlag);
  // A greyed box from the file becomes an ordinary two-state box once it leaves the grey
  // state, whatever changed it. Its state is read when saving.
  connect(chkError, &QCheckBox::stateChanged, this,
          [this](int state)
          {
            if (state != Qt::PartiallyChecked)
              chkError->setTristate(false);
          });
  connect(m_players.player1, &QRadioButton::toggled, this, &MainWindow::RefreshBindingButtons);
  connect(m_save_row.save, &QPushButton::clicked, this, &MainWindow::SaveAllChanges);
  // Cancel is the player's choice to drop the changes: no question, unlike the close box.
  connect(m_save_row.cancel, &QPushButton::clicked, this, &MainWindow::EndProgram);
  connect(cmdManCont, &QPushButton::clicked, this, &MainWindow::ManageGroupsRequested);
  connect(Command1, &QPushButton::clicked, this, &MainWindow::ManageZincOptions);
  connect(Command2, &QPushButton::clicked, this, &MainWindow::ManageRendererConfig);
  connect(m_launch, &LaunchPage::OwnKeysRequested, this, &MainWindow::OpenOwnKeys);
  m_launch->SetLaunchGate([this] { return TypedTextFitsCodePage() && MayLaunch(); });
}

void MainWindow::ConnectFlag(QCheckBox* box, int16_t FrontendSettings::*flag)
{
  // The flag follows the box's state, not a click, so a mouse, a key, the accessibility layer
  // and code all save what the box shows. A greyed box from the file turns two-state once it
  // leaves the grey state.
  connect(box, &QCheckBox::stateChanged, this,
          [this, box, flag](int state)
          {
            if (state == Qt::PartiallyChecked)
              return;
            box->setTristate(false);
            m_session.settings.*flag = state == Qt::Checked ? 1 : 0;
          });
}

} // namespace corvane
