#pragma once

// The Key Layouts window of the main window: the named layouts kept beside the program, the one
// in use, and saving, switching, renaming, deleting, exporting and importing them. Every file
// operation is the core's (LayoutStore, LayoutSwitch); this window asks for names and paths and
// shows outcomes.

#include "app/Session.h"

#include <QDialog>

#include <functional>
#include <string>

class QLabel;
class QListWidget;
class QPushButton;

namespace corvane
{

class LayoutsDialog : public QDialog
{
  Q_OBJECT
public:
  LayoutsDialog(Session& session, QWidget* parent = nullptr);

  // The operations behind the buttons, with the name or path the button asks for; each shows
  // its outcome and returns whether it did what was asked.
  bool SaveCurrentAs(const QString& name);
  bool SwitchTo(const QString& name);
  bool RenameTo(const QString& from, const QString& to);
  bool Delete(const QString& name);
  bool ExportTo(const QString& name, const QString& path);
  bool ImportFrom(const QString& path, const QString& name);

  // Where a test puts the answer to the name and file questions instead of a person.
  using AskHook = std::function<QString(const QString& question)>;
  static void SetAskHook(AskHook hook);

signals:
  // The session's keys are now those of another layout: the window beneath shows them.
  void BindingsSwitched();

private:
  void Refresh();
  QString SelectedName() const;
  QString Ask(const QString& question, const QString& suggestion);
  QString AskPath(bool save);
  void ShowSkipped(const std::vector<std::string>& skipped);

  Session& m_session;
  QLabel* lblInUse = nullptr;
  QListWidget* lstLayouts = nullptr;
};

} // namespace corvane
