// Building the main window: the tab strip, the pages and the controls below them.

#include "ui/desktop/QtText.h"
#include "ui/main/MainWindow.h"
#include "ui/widgets/FilterField.h"
#include "ui/widgets/PlayerChoice.h"
#include "ui/widgets/SaveCancelRow.h"
#include "ui/widgets/TabStrip.h"

#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
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

QLabel* WrappingLabel(const char* name, const char* text, QWidget* parent, const QRect& geometry)
{
  auto* label = Place(new QLabel(Text(text), parent), name, geometry);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return label;
}

} // namespace

void MainWindow::CreateLayout()
{
  CreateTabsAndPages();
  CreateBindingButtons();
  CreateGeneralPage();
  CreateLaunchPage();
  CreateWalkButtons();
  CreateLayoutControls();
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

void MainWindow::CreateLaunchPage()
{
  QFrame* page = fraOpt.at(LAUNCH_PAGE);
  Label1 = WrappingLabel("Label1",
                         "Double Click a Game to Test it... Please note that changes aren't "
                         "reflected in the launch until you save.",
                         page, QRect(8, 4, 565, 32));
  auto* filter = Place(new FilterField(page), "txtFilter", QRect(8, 38, 530, 22));
  lstGames = Place(new QListWidget(page), "lstGames", QRect(8, 62, 530, 174));
  lstGames->setSelectionMode(QAbstractItemView::SingleSelection);
  lstGames->setSortingEnabled(false);
  lstGames->setUniformItemSizes(true); // quick to fill with every game
  filter->Watch(lstGames);
  chkShowcmd =
      Place(new QCheckBox(Text("Show Command Line"), page), "chkShowcmd", QRect(8, 240, 180, 20));
  cmdLaunch = Place(new QPushButton(Text("&Launch"), page), "cmdLaunch", QRect(8, 262, 90, 26));
  cmdOwnKeys =
      Place(new QPushButton(tr("Own &Keys..."), page), "cmdOwnKeys", QRect(104, 262, 90, 26));
  lstGames->setContextMenuPolicy(Qt::ActionsContextMenu);
  auto* own_keys = new QAction(tr("Own Keys..."), lstGames);
  lstGames->addAction(own_keys);
  connect(own_keys, &QAction::triggered, this, &MainWindow::OpenOwnKeys);
  Label2 = WrappingLabel("Label2",
                         "Options Passed to Zinc  Be aware that zinc doesn't function without a "
                         "valid cfg file.",
                         page, QRect(200, 236, 373, 30));
  txtCommand = Place(new QLineEdit(page), "txtCommand", QRect(200, 266, 373, 22));
  // A box cuts longer texts at 32767 characters by default, and a save would keep the cut.
  txtCommand->setMaxLength(std::numeric_limits<int>::max());
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
  ConnectFlag(chkShowcmd, &FrontendSettings::ShowCmdFlag);
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
  connect(cmdLaunch, &QPushButton::clicked, this, &MainWindow::LaunchSelected);
  connect(cmdOwnKeys, &QPushButton::clicked, this, &MainWindow::OpenOwnKeys);
  connect(lstGames, &QListWidget::itemDoubleClicked, this, &MainWindow::LaunchItem);
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
