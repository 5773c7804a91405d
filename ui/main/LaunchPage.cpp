#include "ui/main/LaunchPage.h"

#include "app/LaunchCommand.h"
#include "base/FileIo.h"
#include "base/Messages.h"
#include "base/Process.h"
#include "generate/EmulatorConfig.h"
#include "ui/access/Announcer.h"
#include "ui/access/KeyboardReach.h"
#include "ui/desktop/Dialogs.h"
#include "ui/desktop/QtText.h"
#include "ui/main/LaunchCheck.h"
#include "ui/widgets/FilterField.h"
#include "ui/widgets/WaitingWindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>

#include <algorithm>
#include <limits>

namespace corvane
{
namespace
{

constexpr qreal MIN_STATUS_POINTS = 6;

template <typename Widget> Widget* Place(Widget* widget, const char* name, const QRect& geometry)
{
  widget->setObjectName(QString::fromLatin1(name));
  widget->setGeometry(geometry);
  return widget;
}

QLabel* WrappingLabel(const char* name, const char* text, QWidget* parent, const QRect& geometry)
{
  auto* label = Place(new QLabel(QString::fromLatin1(text), parent), name, geometry);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return label;
}

} // namespace

LaunchPage::LaunchPage(Session& session, QFrame& page, QWidget& window)
    : QObject(&window), m_session(session), m_window(window)
{
  CreateControls(page);
  ConnectControls();
}

void LaunchPage::CreateControls(QFrame& page)
{
  Label1 = WrappingLabel("Label1",
                         "Double Click a Game to Test it... Please note that changes aren't "
                         "reflected in the launch until you save.",
                         &page, QRect(8, 4, 565, 32));
  auto* filter = Place(new FilterField(&page), "txtFilter", QRect(8, 38, 530, 22));
  lstGames = Place(new QListWidget(&page), "lstGames", QRect(8, 62, 530, 174));
  lstGames->setSelectionMode(QAbstractItemView::SingleSelection);
  lstGames->setSortingEnabled(false);
  lstGames->setUniformItemSizes(true); // quick to fill with every game
  filter->Watch(lstGames);
  lstGames->setAccessibleName(ToQString(Messages::GAME_LIST_NAME));
  chkShowcmd = Place(new QCheckBox(QStringLiteral("Show Command Line"), &page), "chkShowcmd",
                     QRect(8, 240, 180, 20));
  cmdLaunch =
      Place(new QPushButton(QStringLiteral("&Launch"), &page), "cmdLaunch", QRect(8, 262, 90, 26));
  cmdOwnKeys =
      Place(new QPushButton(tr("Own &Keys..."), &page), "cmdOwnKeys", QRect(104, 262, 90, 26));
  lstGames->setContextMenuPolicy(Qt::ActionsContextMenu);
  auto* own_keys = new QAction(tr("Own Keys..."), lstGames);
  lstGames->addAction(own_keys);
  connect(own_keys, &QAction::triggered, this, &LaunchPage::OwnKeysRequested);
  Label2 = WrappingLabel("Label2",
                         "Options Passed to Zinc  Be aware that zinc doesn't function without a "
                         "valid cfg file.",
                         &page, QRect(200, 236, 373, 30));
  txtCommand = Place(new QLineEdit(&page), "txtCommand", QRect(200, 266, 373, 22));
  // A box cuts longer texts at 32767 characters by default, and a save would keep the cut.
  txtCommand->setMaxLength(std::numeric_limits<int>::max());
  Label2->setBuddy(txtCommand);
}

void LaunchPage::ConnectControls()
{
  connect(cmdLaunch, &QPushButton::clicked, this, &LaunchPage::LaunchSelected);
  connect(cmdOwnKeys, &QPushButton::clicked, this, &LaunchPage::OwnKeysRequested);
  connect(lstGames, &QListWidget::itemDoubleClicked, this, &LaunchPage::LaunchItem);
  // Enter on a game does what a double-click does.
  auto* launch = new QShortcut(lstGames);
  launch->setKeys({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
  launch->setContext(Qt::WidgetShortcut);
  connect(launch, &QShortcut::activated, this, [this] { LaunchItem(lstGames->currentItem()); });
}

void LaunchPage::Load()
{
  m_loaded_options = m_session.settings.CommandOptions;
  txtCommand->setText(ToQString(m_loaded_options));
  ListGames({});
  SpeakCurrentEntryOnFocus(lstGames);
}

void LaunchPage::ListGames(const std::string& selected_set)
{
  lstGames->clear();
  // Row i of the list is row i of the game table: the launch relies on it.
  QStringList titles;
  titles.reserve(static_cast<qsizetype>(m_session.games.rows.size()));
  for (const GameRow& game : m_session.games.rows)
    titles.append(ToQString(game.title));
  lstGames->addItems(titles);
  // The set name beside the title, for the filter and the mouse.
  for (int row = 0; row < lstGames->count(); ++row)
    lstGames->item(row)->setToolTip(
        ToQString(m_session.games.rows[static_cast<size_t>(row)].set_name));
  if (selected_set.empty())
    return;
  const auto& rows = m_session.games.rows;
  const auto found =
      std::find_if(rows.begin(), rows.end(),
                   [&selected_set](const GameRow& game) { return game.set_name == selected_set; });
  if (found == rows.end())
    return;
  QListWidgetItem* item = lstGames->item(static_cast<int>(found - rows.begin()));
  lstGames->setCurrentItem(item);
  lstGames->scrollToItem(item);
}

void LaunchPage::CreateStatusLine(const QRect& band)
{
  // In the band between the tab rows and the pages, seen on every page. The rows grow with the
  // type and the pages stay where they are, so the line takes what the rows leave, clear of the
  // strip's lines, in smaller type where the band is narrow.
  lblStatus = new QLabel(&m_window);
  lblStatus->setObjectName("lblStatus");
  lblStatus->setGeometry(band);
  lblStatus->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  QFont type = lblStatus->font();
  while (QFontMetrics(type).height() > band.height() && type.pointSizeF() > MIN_STATUS_POINTS)
    type.setPointSizeF(type.pointSizeF() - 0.5);
  lblStatus->setFont(type);
  lblStatus->setTextFormat(Qt::PlainText);
  lblStatus->setAccessibleName(tr("Status"));
  // A button's press comes before its own work, so the line it sets is not cleared after it.
  for (QAbstractButton* button : m_window.findChildren<QAbstractButton*>())
    connect(button, &QAbstractButton::pressed, this, [this] { ShowStatus({}); });
}

std::string LaunchPage::OptionsText() const
{
  return BytesOfEdited(txtCommand->text(), m_loaded_options);
}

void LaunchPage::SetLaunchGate(std::function<bool()> gate)
{
  m_gate = std::move(gate);
}

int LaunchPage::SelectedGameRow() const
{
  const QList<QListWidgetItem*> selected = lstGames->selectedItems();
  if (selected.isEmpty())
    return -1;
  const int row = lstGames->row(selected.front());
  return row <= m_session.games.LastGameIndex() ? row : -1;
}

void LaunchPage::LaunchSelected()
{
  const int row = SelectedGameRow();
  if (row < 0 || (m_gate && !m_gate()))
    return;
  const GameRow& game = m_session.games.rows[static_cast<size_t>(row)];
  const EmulatorRoute route = EmulatorRouteFor(m_session.dir);
  const std::string line = LaunchCommandLine(game, OptionsText(), m_session.dir, route);
  // Never start a line that would give the emulator another game or another controller file.
  if (const std::string refusal = LaunchRefusal(game, line, m_session.dir, route); !refusal.empty())
  {
    ShowMessage(&m_window, MessageKind::Warning, refusal);
    return;
  }
  if (!ConfirmLaunchWithoutGameFile(&m_window, m_session, game.set_name))
    return;
  SetCurrentDir(m_session.dir.Root());
  OfferEmulatorConfig();
  // The line shown is the line started, Wine's name included.
  if (m_session.settings.ShowCmdFlag == 1)
    ShowMessage(&m_window, MessageKind::Plain, line);
  // Through Wine the first seconds tell whether the game started; the window stays painted.
  Outcome started;
  if (route.kind == RouteKind::Wine)
    RunWithWaitingWindow([&] { started = StartGame(line, m_session.dir, route); },
                         Messages::WAITING_FOR_WINE_START);
  else
    started = StartGame(line, m_session.dir, route);
  ReportLaunch(game, started);
}

void LaunchPage::LaunchItem(QListWidgetItem* item)
{
  if (!item)
    return;
  lstGames->setCurrentItem(item);
  LaunchSelected();
}

void LaunchPage::OfferEmulatorConfig()
{
  // Without its config the emulator starts without the ROM folder: offer the default first.
  if (!NamesMissingEmulatorConfig(OptionsText(), m_session.dir) ||
      !AskYesNo(&m_window, Messages::LAUNCH_NO_EMULATOR_CONFIG))
    return;
  ShowProblems(&m_window, {}, ZincListMan::MakeDefaultEmulatorConfig(m_session.dir).Describe());
}

void LaunchPage::ShowStatus(const QString& text)
{
  lblStatus->setText(text);
  lblStatus->setToolTip(text);
  Announce(&m_window, text);
}

void LaunchPage::ReportLaunch(const GameRow& game, const Outcome& started)
{
  const QString name =
      ToQString(game.title) + QStringLiteral(" (") + ToQString(game.set_name) + QLatin1Char(')');
  if (started.Ok())
  {
    ShowStatus(ToQString(Messages::LAUNCH_STARTED) + QLatin1Char(' ') + name);
    return;
  }
  ShowStatus(ToQString(Messages::LAUNCH_NOT_STARTED) + QLatin1Char(' ') + name);
  ShowMessage(&m_window, MessageKind::Warning, started.Describe());
}

} // namespace corvane
