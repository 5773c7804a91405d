#include "ui/desktop/Dialogs.h"

#include "base/Messages.h"
#include "base/Process.h"
#include "base/TextEditor.h"
#include "ui/desktop/QtText.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>

#include <chrono>
#include <future>

#ifdef _WIN32
#include <windows.h>
#endif

namespace corvane
{
namespace
{

#ifndef _WIN32
// The desktop's opener may take seconds to say it found no application. Meanwhile the windows
// show they are busy and still repaint, but take no input until it is known whether the file
// opened or the next way is tried.
bool OpenWhileBusy(const std::string& path, const std::string& dir)
{
  QApplication::setOverrideCursor(Qt::WaitCursor);
  std::future<bool> opened =
      std::async(std::launch::async,
                 [path, dir] { return OpenInTextEditor(path, dir, ProcessEnvironment()); });
  while (opened.wait_for(std::chrono::milliseconds(20)) != std::future_status::ready)
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
  QApplication::restoreOverrideCursor();
  return opened.get();
}
#endif

QMessageBox::Icon IconOf(MessageKind kind)
{
  switch (kind)
  {
  case MessageKind::Warning:
    return QMessageBox::Warning;
  case MessageKind::Critical:
    return QMessageBox::Critical;
  case MessageKind::Plain:
    break;
  }
  return QMessageBox::NoIcon;
}

#ifdef _WIN32
// Notepad from the system folder, so no notepad.exe beside the program is taken instead, with
// the file's full path in quotes (the folder may hold blanks; a path holds no quote).
std::string NotepadCommandLine(const std::string& path)
{
  char system_dir[MAX_PATH + 1] = {};
  const UINT length = GetSystemDirectoryA(system_dir, MAX_PATH);
  const std::string notepad = length == 0 || length >= MAX_PATH
                                  ? std::string("notepad.exe")
                                  : std::string(system_dir, length) + "\\notepad.exe";
  return "\"" + notepad + "\" \"" + path + "\"";
}
#endif

// A window manager draws the title in its own (often bold, larger) type beside an icon and
// three buttons; a box sized for a short text alone left "Corvane" cut to "Co... ne".
constexpr int TITLE_BAR_ROOM = 200;

// The message box asks its grid for this width, since a QMessageBox ignores its own
// minimum width.
void FitTitle(QMessageBox& box)
{
  QFont title_font = box.font();
  title_font.setBold(true);
  if (title_font.pointSizeF() > 0) // a font given in pixels has no point size
    title_font.setPointSizeF(title_font.pointSizeF() * 1.2);
  const int wanted = QFontMetrics(title_font).horizontalAdvance(box.windowTitle()) + TITLE_BAR_ROOM;
  if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
    grid->addItem(new QSpacerItem(wanted, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

} // namespace

void ShowMessage(QWidget* parent, MessageKind kind, std::string_view text)
{
  const QString shown = ToQString(text);
  if (const auto& hook = TestHooks().message)
  {
    hook(kind, shown);
    return;
  }
  QMessageBox box(IconOf(kind), ToQString(Messages::APP_TITLE), shown, QMessageBox::Ok, parent);
  FitTitle(box);
  box.exec();
}

bool AskYesNo(QWidget* parent, std::string_view text)
{
  const QString shown = ToQString(text);
  if (const auto& hook = TestHooks().question)
    return hook(shown);
  QMessageBox box(QMessageBox::Question, ToQString(Messages::APP_TITLE), shown,
                  QMessageBox::Yes | QMessageBox::No, parent);
  FitTitle(box);
  // Enter takes the answer that does nothing the user might not have read.
  box.setDefaultButton(QMessageBox::No);
  return box.exec() == QMessageBox::Yes;
}

UnsavedAnswer AskAboutUnsaved(QWidget* parent, std::string_view text, UnsavedMoment moment)
{
  const QString shown = ToQString(text);
  if (const auto& hook = TestHooks().unsaved)
    return hook(shown);
  QMessageBox box(QMessageBox::Warning, ToQString(Messages::APP_TITLE), shown,
                  QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
  FitTitle(box);
  box.setDefaultButton(QMessageBox::Save);
  box.setEscapeButton(QMessageBox::Cancel);
  if (moment == UnsavedMoment::Launching)
  {
    box.button(QMessageBox::Save)->setText(ToQString(Messages::SAVE_AND_LAUNCH));
    box.button(QMessageBox::Discard)->setText(ToQString(Messages::LAUNCH_WITH_SAVED));
    box.button(QMessageBox::Cancel)->setText(ToQString(Messages::CANCEL));
  }
  switch (box.exec())
  {
  case QMessageBox::Save:
    return UnsavedAnswer::Save;
  case QMessageBox::Discard:
    return UnsavedAnswer::Discard;
  default:
    return UnsavedAnswer::Cancel;
  }
}

void ShowProblems(QWidget* parent, std::string_view heading, const std::string& problems)
{
  if (problems.empty())
    return;
  const std::string text = heading.empty() ? problems : std::string(heading) + "\n" + problems;
  ShowMessage(parent, MessageKind::Warning, text);
}

bool OpenInEditor(const AppDir& dir, std::string_view file_name)
{
  const std::string path = dir.File(file_name);
  if (const auto& hook = TestHooks().editor)
    return hook(path);
#ifdef _WIN32
  // Notepad is the editor every Windows has.
  return StartDetached(NotepadCommandLine(path), dir.Root());
#else
  return OpenWhileBusy(path, dir.Root());
#endif
}

QString AskSavePath(QWidget* parent, const QString& filter, const QString& suffix)
{
  if (const auto& hook = TestHooks().save_path)
    return hook(filter);
  QFileDialog dialog(parent, QString(), QString(), filter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(suffix);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
    return {};
  return dialog.selectedFiles().constFirst();
}

DesktopHooks& TestHooks()
{
  static DesktopHooks hooks;
  return hooks;
}

} // namespace corvane
