#include "ui/desktop/Dialogs.h"

#include "base/Messages.h"
#include "base/Process.h"
#include "base/TextEditor.h"
#include "ui/desktop/QtText.h"

#include <QFileDialog>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>

#ifdef _WIN32
#include <windows.h>
#endif

namespace corvane
{
namespace
{

MessageHook& CurrentMessageHook()
{
  static MessageHook hook;
  return hook;
}

QuestionHook& CurrentQuestionHook()
{
  static QuestionHook hook;
  return hook;
}

UnsavedHook& CurrentUnsavedHook()
{
  static UnsavedHook hook;
  return hook;
}

EditorHook& CurrentEditorHook()
{
  static EditorHook hook;
  return hook;
}

SavePathHook& CurrentSavePathHook()
{
  static SavePathHook hook;
  return hook;
}

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
  if (const auto& hook = CurrentMessageHook())
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
  if (const auto& hook = CurrentQuestionHook())
    return hook(shown);
  QMessageBox box(QMessageBox::Question, ToQString(Messages::APP_TITLE), shown,
                  QMessageBox::Yes | QMessageBox::No, parent);
  FitTitle(box);
  // Enter takes the answer that does nothing the user might not have read.
  box.setDefaultButton(QMessageBox::No);
  return box.exec() == QMessageBox::Yes;
}

UnsavedAnswer AskAboutUnsaved(QWidget* parent, std::string_view text)
{
  const QString shown = ToQString(text);
  if (const auto& hook = CurrentUnsavedHook())
    return hook(shown);
  QMessageBox box(QMessageBox::Warning, ToQString(Messages::APP_TITLE), shown,
                  QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
  FitTitle(box);
  box.setDefaultButton(QMessageBox::Save);
  box.setEscapeButton(QMessageBox::Cancel);
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
  if (const auto& hook = CurrentEditorHook())
    return hook(path);
#ifdef _WIN32
  // Notepad is the editor every Windows has.
  return StartDetached(NotepadCommandLine(path), dir.Root());
#else
  return OpenInTextEditor(path, dir.Root(), ProcessEnvironment());
#endif
}

QString AskSavePath(QWidget* parent, const QString& filter, const QString& suffix)
{
  if (const auto& hook = CurrentSavePathHook())
    return hook(filter);
  QFileDialog dialog(parent, QString(), QString(), filter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(suffix);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
    return {};
  return dialog.selectedFiles().constFirst();
}

void SetMessageHook(MessageHook hook)
{
  CurrentMessageHook() = std::move(hook);
}

void SetQuestionHook(QuestionHook hook)
{
  CurrentQuestionHook() = std::move(hook);
}

void SetUnsavedHook(UnsavedHook hook)
{
  CurrentUnsavedHook() = std::move(hook);
}

void SetEditorHook(EditorHook hook)
{
  CurrentEditorHook() = std::move(hook);
}

void SetSavePathHook(SavePathHook hook)
{
  CurrentSavePathHook() = std::move(hook);
}

} // namespace corvane
