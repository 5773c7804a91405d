#include "ui/chart/KeyChartWindow.h"

#include "base/FileIo.h"
#include "base/Messages.h"
#include "controls/KeyChartHtml.h"
#include "ui/desktop/Dialogs.h"
#include "ui/desktop/QtText.h"
#include "ui/keyboard/KeyboardLayout.h"

#include <QBuffer>
#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLocale>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextDocument>
#include <QVBoxLayout>

#include <algorithm>

namespace corvane
{
namespace
{

constexpr int WIDTH = 560;
constexpr int HEIGHT = 600;
constexpr int ROW_HEADER_WIDTH = 240;
constexpr int TAB_STRIP_ROOM = 40; // the window's margins and the strip's frame
constexpr int FAMILY_COLUMNS = 3;
constexpr qreal PAGE_MARGIN_MM = 15;

// The paper the player's region prints on: Letter in the US, A4 elsewhere.
QPageSize LocalPaper()
{
  return QPageSize(QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                              : QPageSize::A4);
}

QString Text(std::string_view text)
{
  return ToQString(text);
}

// A cell as the chart reads: a clash with the buttons' warning sign before the words.
QTableWidgetItem* CellItem(const ChartCell& cell)
{
  QString text = Text(KeyCodeManager::CellText(cell));
  if (!cell.clashing.empty())
    text.prepend(QStringLiteral("\u26A0 "));
  auto* item = new QTableWidgetItem(text);
  item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
  if (cell.unsaved)
  {
    QFont font = item->font();
    font.setItalic(true);
    item->setFont(font);
  }
  return item;
}

// Orca says a cell reached by Up or Down without its row header: each cell's spoken text
// carries its input and player ("Low Punch, Player 2: Q").
void NameCell(QTableWidgetItem& item, const QString& header, const QString& player)
{
  const QString whose = header.simplified() + (player.isEmpty() ? QString() : ", " + player);
  item.setData(Qt::AccessibleTextRole, whose + QStringLiteral(": ") + item.text());
}

void FillRow(QTableWidget& table, int at, const QString& header, const ChartRow& row)
{
  auto* header_item = new QTableWidgetItem(header);
  header_item->setToolTip(header);
  table.setVerticalHeaderItem(at, header_item);
  const bool shared = row.input->Shared();
  // An input of both players shows one key across both columns; the cell under the span holds
  // it too, for a screen reader that reads the table cell by cell.
  const ChartCell* cells[] = {&row.player1, shared ? &row.player1 : &row.player2};
  const QString players[] = {Text(Messages::CHART_PLAYER_1), Text(Messages::CHART_PLAYER_2)};
  for (int column = 0; column < 2; ++column)
  {
    QTableWidgetItem* item = CellItem(*cells[column]);
    NameCell(*item, header, shared ? QString() : players[column]);
    table.setItem(at, column, item);
  }
  if (shared)
    table.setSpan(at, 0, 1, 2);
}

QTableWidget* NewTable(const QString& name)
{
  auto* table = new QTableWidget(0, 2);
  table->setHorizontalHeaderLabels(
      {Text(Messages::CHART_PLAYER_1), Text(Messages::CHART_PLAYER_2)});
  table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionMode(QAbstractItemView::SingleSelection);
  table->setWordWrap(true);
  // Tab leaves the table for the buttons; the arrows walk its cells.
  table->setTabKeyNavigation(false);
  // A long game title is cut rather than squeezing the keys; its tooltip holds it whole. Rows
  // take the height of their text once filled (sizing them while filling costs a pass each).
  table->verticalHeader()->setMaximumWidth(ROW_HEADER_WIDTH);
  table->setAccessibleName(name);
  return table;
}

} // namespace

KeyChartWindow::KeyChartWindow(const Session& session, QWidget* parent)
    : QDialog(parent), m_session(session)
{
  setObjectName("frmKeyChart");
  setWindowTitle(Text(Messages::KEY_CHART_CAPTION));
  setAttribute(Qt::WA_DeleteOnClose);
  if (parent)
    setFont(parent->font());
  CreateLayout();
  Refresh();
  // The keys first: arrows walk the table, Ctrl+Tab turns to the next family.
  m_tables.front()->setFocus();
}

void KeyChartWindow::CreateLayout()
{
  tabFamilies = new QTabWidget(this);
  tabFamilies->setObjectName("tabFamilies");
  tabFamilies->setUsesScrollButtons(false);
  tabFamilies->setElideMode(Qt::ElideRight); // in a window made narrower by the player
  auto* buttons = new QHBoxLayout;
  cmdPrint = AddButton("cmdPrint", tr("&Print..."));
  cmdExportPdf = AddButton("cmdExportPdf", tr("Export P&DF..."));
  cmdExportHtml = AddButton("cmdExportHtml", tr("Export &HTML..."));
  cmdClose = AddButton("cmdClose", tr("Close"));
  for (QPushButton* button : {cmdPrint, cmdExportPdf, cmdExportHtml})
    buttons->addWidget(button);
  buttons->addStretch();
  buttons->addWidget(cmdClose);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabFamilies, 1);
  CreateFamilyChoice(layout);
  layout->addLayout(buttons);
  resize(WIDTH, HEIGHT);
  connect(cmdPrint, &QPushButton::clicked, this, &KeyChartWindow::Print);
  connect(cmdExportPdf, &QPushButton::clicked, this,
          [this] { AskAndExport(tr("PDF (*.pdf)"), "pdf", &KeyChartWindow::ExportPdf); });
  connect(cmdExportHtml, &QPushButton::clicked, this,
          [this] { AskAndExport(tr("HTML (*.html *.htm)"), "html", &KeyChartWindow::ExportHtml); });
  connect(cmdClose, &QPushButton::clicked, this, &QDialog::close);
  // Ctrl+Tab from a table lands in the next family's table, ready for the arrows.
  connect(tabFamilies, &QTabWidget::currentChanged, this,
          [this]
          {
            if (qobject_cast<QTableWidget*>(focusWidget()))
              tabFamilies->currentWidget()->setFocus();
          });
}

void KeyChartWindow::CreateFamilyChoice(QVBoxLayout* layout)
{
  auto* box = new QGroupBox(tr("Families to Show, Print and Export"), this);
  box->setObjectName("fraFamilies");
  auto* grid = new QGridLayout(box);
  for (const GroupInfo& group : GROUPS)
  {
    const int index = static_cast<int>(m_family_boxes.size());
    auto* check = new QCheckBox(Text(BindingPageCaption(PageOf(group.id))), box);
    check->setObjectName(QStringLiteral("chkFamily%1").arg(index));
    grid->addWidget(check, index / FAMILY_COLUMNS, index % FAMILY_COLUMNS);
    connect(check, &QCheckBox::toggled, this, &KeyChartWindow::ApplyChoice);
    m_family_boxes.push_back(check);
  }
  layout->addWidget(box);
}

std::vector<GroupId> KeyChartWindow::Chosen() const
{
  std::vector<GroupId> chosen;
  for (size_t i = 0; i < m_family_boxes.size(); ++i)
    if (m_family_boxes[i]->isChecked())
      chosen.push_back(GROUPS[i].id);
  return chosen;
}

void KeyChartWindow::ApplyChoice()
{
  const std::vector<GroupId> chosen = Chosen();
  for (size_t i = 0; i < m_family_boxes.size(); ++i)
    tabFamilies->setTabVisible(static_cast<int>(i), m_family_boxes[i]->isChecked());
  m_html = KeyCodeManager::KeyChartHtml(KeyCodeManager::OnlyFamilies(m_chart, chosen));
  for (QPushButton* button : {cmdPrint, cmdExportPdf, cmdExportHtml})
    button->setEnabled(!chosen.empty());
  // Wide enough for the chosen families' tabs: a strip that scrolls hides families and adds two
  // arrow buttons to the way through the window.
  const int wanted = tabFamilies->tabBar()->sizeHint().width() + TAB_STRIP_ROOM;
  if (wanted > width())
    resize(wanted, height());
}

QPushButton* KeyChartWindow::AddButton(const char* name, const QString& text)
{
  auto* button = new QPushButton(text, this);
  button->setObjectName(QString::fromLatin1(name));
  button->setAutoDefault(false);
  return button;
}

void KeyChartWindow::Refresh()
{
  m_chart = KeyCodeManager::BuildKeyChart(
      {m_session.bindings, &m_session.saved_bindings, m_session.groups, m_session.games,
       m_session.game_keys ? &*m_session.game_keys : nullptr, CurrentLayoutCharacter()});
  std::string html = KeyCodeManager::KeyChartHtml(m_chart);
  // Rows built again would lose the cell a screen reader was on; unchanged keys keep them.
  if (html == m_full_html && !m_tables.empty())
    return;
  const bool first = m_tables.empty();
  m_full_html = std::move(html);
  for (size_t i = 0; i < m_chart.families.size(); ++i)
  {
    QTableWidget* table = i < m_tables.size() ? m_tables[i] : nullptr;
    const QModelIndex current = table ? table->currentIndex() : QModelIndex();
    ShowFamily(i, m_chart.families[i]);
    if (current.isValid())
      m_tables[i]->setCurrentCell(std::min(current.row(), m_tables[i]->rowCount() - 1),
                                  current.column());
  }
  if (first)
    ChooseFamilies(KeyCodeManager::FamiliesInUse(m_chart));
  ApplyChoice();
}

void KeyChartWindow::ChooseFamilies(const std::vector<GroupId>& families)
{
  // Ticked one by one, each tick would make the document again.
  for (size_t i = 0; i < m_family_boxes.size(); ++i)
  {
    const QSignalBlocker quiet(m_family_boxes[i]);
    m_family_boxes[i]->setChecked(std::ranges::find(families, GROUPS[i].id) != families.end());
  }
}

void KeyChartWindow::changeEvent(QEvent* event)
{
  QDialog::changeEvent(event);
  // Coming back may bring a save, own keys or another keyboard layout to show.
  if (IsKeyboardLayoutMoment(*event, *this))
    Refresh();
}

void KeyChartWindow::ShowFamily(size_t index, const ChartFamily& family)
{
  const QString title = Text(family.title);
  if (index == m_tables.size())
  {
    m_tables.push_back(NewTable(title));
    m_tables.back()->setObjectName(QStringLiteral("tblFamily%1").arg(index));
    tabFamilies->addTab(m_tables.back(), title);
  }
  QTableWidget& table = *m_tables[index];
  table.clearSpans();
  size_t rows = family.rows.size();
  for (const ChartGame& game : family.games)
    rows += game.rows.size();
  table.setRowCount(static_cast<int>(rows));
  int at = 0;
  for (const ChartRow& row : family.rows)
    FillRow(table, at++, Text(row.input->caption), row);
  for (const ChartGame& game : family.games)
  {
    // Each row says whose it is, as a screen reader reads the row header with every cell; the
    // game on a line of its own keeps the input in sight beside a long title.
    const QString whose =
        Text(game.title) + QStringLiteral(" (") + Text(game.set_name) + QStringLiteral("):\n");
    for (const ChartRow& row : game.rows)
      FillRow(table, at++, whose + Text(row.input->caption), row);
  }
  table.resizeRowsToContents();
}

QString KeyChartWindow::Html() const
{
  return Text(m_html);
}

void KeyChartWindow::Print()
{
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageMargins(QMarginsF(PAGE_MARGIN_MM, PAGE_MARGIN_MM, PAGE_MARGIN_MM, PAGE_MARGIN_MM),
                         QPageLayout::Millimeter);
  QPrintPreviewDialog preview(&printer, this);
  QTextDocument document;
  document.setHtml(Html());
  connect(&preview, &QPrintPreviewDialog::paintRequested, this,
          [&document](QPrinter* target) { document.print(target); });
  preview.exec();
}

bool KeyChartWindow::ExportPdf(const QString& path)
{
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter pdf(&buffer);
    pdf.setPageSize(LocalPaper());
    pdf.setTitle(Text(Messages::KEY_CHART_CAPTION));
    pdf.setPageMargins(QMarginsF(PAGE_MARGIN_MM, PAGE_MARGIN_MM, PAGE_MARGIN_MM, PAGE_MARGIN_MM),
                       QPageLayout::Millimeter);
    QTextDocument document;
    document.setHtml(Html());
    document.print(&pdf);
  }
  return WriteOrWarn(path, buffer.data());
}

bool KeyChartWindow::ExportHtml(const QString& path)
{
  return WriteOrWarn(path, Html().toUtf8());
}

bool KeyChartWindow::WriteOrWarn(const QString& path, const QByteArray& bytes)
{
  const auto target = ExactBytes(path);
  if (target && WriteFileAtomic(*target, bytes.toStdString()))
    return true;
  ShowMessage(this, MessageKind::Warning,
              std::string(Messages::FILE_NOT_WRITTEN) + ": " + ToBytes(path));
  return false;
}

void KeyChartWindow::AskAndExport(const QString& filter, const QString& suffix,
                                  bool (KeyChartWindow::*write)(const QString&))
{
  const QString path = AskSavePath(this, filter, suffix);
  if (!path.isEmpty())
    (this->*write)(path);
}

} // namespace corvane
