#pragma once

// ui/chart/: the Key Chart window, which shows every family's keys for both players at once and
// prints them or exports them as PDF or HTML.

#include "app/Session.h"
#include "controls/KeyChart.h"

#include <QDialog>

class QCheckBox;
class QPushButton;
class QVBoxLayout;
class QTabWidget;
class QTableWidget;

namespace corvane
{

// Every family as a table: a row per input (its caption the row header), a column per player,
// the keys as the buttons name them, clashes with a sign and keys not saved yet in words; under
// each family the games with keys of their own. Print, PDF and HTML all come from one HTML
// document, so they show the same.
class KeyChartWindow : public QDialog
{
  Q_OBJECT

public:
  // Over the session's bindings in memory, marking those that differ from the saved ones. The
  // session must outlive the window.
  explicit KeyChartWindow(const Session& session, QWidget* parent = nullptr);

  // Reads the bindings and own keys again, keeping the family and the cell shown.
  void Refresh();

  // The document the print-out and both exports are made of: the families chosen.
  QString Html() const;

  // Write the chart to the file, replacing it atomically; false after a warning naming it.
  bool ExportPdf(const QString& path);
  bool ExportHtml(const QString& path);

protected:
  // Coming back to the window shows what changed meanwhile (a save, a game's own keys).
  void changeEvent(QEvent* event) override;

private:
  void CreateLayout();
  QPushButton* AddButton(const char* name, const QString& text);
  void ShowFamily(size_t index, const ChartFamily& family);
  void CreateFamilyChoice(QVBoxLayout* layout);
  // Shows the chosen families' tabs and makes the document of them.
  void ApplyChoice();
  std::vector<GroupId> Chosen() const;
  void ChooseFamilies(const std::vector<GroupId>& families);
  void Print();
  void AskAndExport(const QString& filter, const QString& suffix,
                    bool (KeyChartWindow::*write)(const QString&));
  bool WriteOrWarn(const QString& path, const QByteArray& bytes);

  const Session& m_session;
  KeyChart m_chart;
  std::string m_html;      // of the families chosen
  std::string m_full_html; // of m_chart, to tell whether anything changed

  QTabWidget* tabFamilies = nullptr;
  std::vector<QTableWidget*> m_tables;
  QPushButton* cmdPrint = nullptr;
  QPushButton* cmdExportPdf = nullptr;
  QPushButton* cmdExportHtml = nullptr;
  QPushButton* cmdClose = nullptr;
  std::vector<QCheckBox*> m_family_boxes; // "chkFamily0".., in the chart's order
};

} // namespace corvane
