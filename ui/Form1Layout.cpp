// Building the main window: the tab strip, the pages and the controls below them.

#include "ui/Form1.h"
#include "ui/QtText.h"
#include "ui/TabStrip.h"

#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include <array>
#include <limits>

namespace corvane
{
namespace
{

struct TabRow
{
  const char* caption;
  const char* tool_tip;
};

// One page per tab, in tab order.
constexpr std::array TABS = std::to_array<TabRow>({
    {"General", "Buttons Found on Every Game"},
    {"Capcom 6 Button", "Games that use 4-6 Buttons, Usually Capcom"},
    {"3 Buttons or Less", ""},
    {"Quiz My Angel 3 /Paca Paca Passion", ""},
    {"Tekken Games", ""},
    {"Soul Edge / Ehrgeiz / Bloody Roar 2", ""},
    {"Launch", "Launch a Game To See If you Like it's Setup"},
});

constexpr QRect FIRST_PAGE(8, 67, 581, 295);
constexpr int GENERAL_PAGE = 0;
const int LAUNCH_PAGE = static_cast<int>(TABS.size()) - 1;

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

QString Form1::PageCaption(int page)
{
  return Text(TABS.at(static_cast<size_t>(page)).caption);
}

void Form1::CreateLayout()
{
  CreateTabsAndPages();
  CreateBindingButtons();
  CreateGeneralPage();
  CreateLaunchPage();
  CreateBottomControls();
}

void Form1::CreateTabsAndPages()
{
  // Created first, so that everything else lies above it.
  TabStrip1 = Place(new TabStrip(this), "TabStrip1", rect());
  for (const TabRow& tab : TABS)
  {
    TabStrip1->addTab(Text(tab.caption), Text(tab.tool_tip));
    auto* page = new TabPage(this);
    page->setAccessibleName(Text(tab.caption));
    page->setObjectName(QStringLiteral("fraOpt%1").arg(fraOpt.size()));
    // Every page has the first page's size; the load sequence puts them in its place.
    page->setGeometry(QRect(QPoint(0, 0), FIRST_PAGE.size()));
    page->hide();
    fraOpt.push_back(page);
  }
  fraOpt.front()->move(FIRST_PAGE.topLeft());
}

void Form1::CreateGeneralPage()
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

void Form1::CreateLaunchPage()
{
  QFrame* page = fraOpt.at(LAUNCH_PAGE);
  Label1 = WrappingLabel("Label1",
                         "Double Click a Game to Test it... Please note that changes aren't "
                         "reflected in the launch until you save.",
                         page, QRect(8, 4, 565, 32));
  lstGames = Place(new QListWidget(page), "lstGames", QRect(8, 38, 530, 198));
  lstGames->setSelectionMode(QAbstractItemView::SingleSelection);
  lstGames->setSortingEnabled(false);
  lstGames->setUniformItemSizes(true); // quick to fill with every game
  chkShowcmd =
      Place(new QCheckBox(Text("Show Command Line"), page), "chkShowcmd", QRect(8, 240, 180, 20));
  cmdLaunch = Place(new QPushButton(Text("&Launch"), page), "cmdLaunch", QRect(8, 262, 90, 26));
  cmdOwnKeys =
      Place(new QPushButton(tr("Own &Keys..."), page), "cmdOwnKeys", QRect(104, 262, 90, 26));
  lstGames->setContextMenuPolicy(Qt::ActionsContextMenu);
  auto* own_keys = new QAction(tr("Own Keys..."), lstGames);
  lstGames->addAction(own_keys);
  connect(own_keys, &QAction::triggered, this, &Form1::OpenGameKeys);
  Label2 = WrappingLabel("Label2",
                         "Options Passed to Zinc  Be aware that zinc doesn't function without a "
                         "valid cfg file.",
                         page, QRect(200, 236, 373, 30));
  txtCommand = Place(new QLineEdit(page), "txtCommand", QRect(200, 266, 373, 22));
  // A box cuts longer texts at 32767 characters by default, and a save would keep the cut.
  txtCommand->setMaxLength(std::numeric_limits<int>::max());
}

void Form1::CreateBottomControls()
{
  Frame1 = Place(new QGroupBox(Text("Player Select"), this), "Frame1", QRect(8, 364, 150, 47));
  optP1 = Place(new QRadioButton(Text("Player 1"), Frame1), "optP1", QRect(6, 21, 69, 20));
  optP2 = Place(new QRadioButton(Text("Player 2"), Frame1), "optP2", QRect(76, 21, 69, 20));
  chkCfgWrapper = Place(new QCheckBox(Text("Configure Zinc Wrapper When Changes are Saved"), this),
                        "chkCfgWrapper", QRect(164, 367, 306, 20));
  chkMakeDat = Place(new QCheckBox(Text("Make a ClrMame Style Dat When Config Loads"), this),
                     "chkMakeDat", QRect(164, 389, 306, 20));
  cmdSave = Place(new QPushButton(Text("Save"), this), "cmdSave", QRect(476, 374, 56, 30));
  cmdCancel = Place(new QPushButton(Text("Cancel"), this), "cmdCancel", QRect(538, 374, 56, 30));
}

void Form1::ConnectWidgets()
{
  connect(TabStrip1, &TabStrip::currentChanged, this, &Form1::SwitchPage);
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
  connect(optP1, &QRadioButton::toggled, this, &Form1::RefreshBindingButtons);
  connect(cmdSave, &QPushButton::clicked, this, &Form1::SaveAllChanges);
  connect(cmdCancel, &QPushButton::clicked, this, &Form1::close);
  connect(cmdManCont, &QPushButton::clicked, this, &Form1::ManageGroupsRequested);
  connect(Command1, &QPushButton::clicked, this, &Form1::ManageZincOptions);
  connect(Command2, &QPushButton::clicked, this, &Form1::ManageRendererConfig);
  connect(cmdLaunch, &QPushButton::clicked, this, &Form1::LaunchSelected);
  connect(cmdOwnKeys, &QPushButton::clicked, this, &Form1::OpenGameKeys);
  connect(lstGames, &QListWidget::itemDoubleClicked, this, &Form1::LaunchItem);
}

void Form1::ConnectFlag(QCheckBox* box, int16_t FrontendSettings::*flag)
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
