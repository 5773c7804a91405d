#pragma once

// The desktop room: what the windows hand to the desktop (message boxes, the text editor) and
// the texts they pass between the core and Qt.
//
// Everything the windows hand to the desktop: message boxes and the outside text editor. Both
// go through here so that tests can answer them instead of a person.

#include "base/AppDir.h"

#include <QString>

#include <functional>
#include <string>
#include <string_view>

class QWidget;

namespace corvane
{

enum class MessageKind
{
  Plain,    // no icon
  Warning,  // the warning icon
  Critical, // the critical-error icon
};

// Shows a modal message box with an OK button under the title "Corvane".
void ShowMessage(QWidget* parent, MessageKind kind, std::string_view text);

// Asks a question in a modal box with Yes and No under the title "Corvane"; true for Yes.
bool AskYesNo(QWidget* parent, std::string_view text);

// The answers to the question before a window with unsaved changes closes.
enum class UnsavedAnswer
{
  Save,    // save, then close
  Discard, // close without saving
  Cancel,  // keep the window open
};

// What the work waiting to be saved stands before, which names the question's buttons.
enum class UnsavedMoment
{
  Closing,   // Save, Discard, Cancel
  Launching, // "Save and launch", "Launch with the saved keys", "Cancel"
};

// Asks whether to save first, in a modal box under the title "Corvane" with three buttons for
// Save, Discard and Cancel, named for the moment; Enter saves and Escape cancels.
UnsavedAnswer AskAboutUnsaved(QWidget* parent, std::string_view text,
                              UnsavedMoment moment = UnsavedMoment::Closing);

// Shows a problem list as a warning, headed by `heading` when it is not empty; nothing when the
// list is empty.
void ShowProblems(QWidget* parent, std::string_view heading, const std::string& problems);

// Opens a file of the start-up directory in a text editor without waiting: Notepad on Windows,
// elsewhere the desktop's opener or the fallbacks of OpenInTextEditor. False when none started.
bool OpenInEditor(const AppDir& dir, std::string_view file_name);

// Asks where to write a file, in a save dialog that offers `filter` ("PDF (*.pdf)") and adds
// `suffix` to a name typed without one; empty when the player cancels.
QString AskSavePath(QWidget* parent, const QString& filter, const QString& suffix);

// What a test puts in place of the message boxes: it gets each box's kind and text.
using MessageHook = std::function<void(MessageKind kind, const QString& text)>;
// What a test puts in place of the question boxes: it gets each question and answers it.
using QuestionHook = std::function<bool(const QString& text)>;
// What a test puts in place of the question about unsaved changes: it gets the text and answers.
using UnsavedHook = std::function<UnsavedAnswer(const QString& text)>;
// What a test puts in place of the editor: it gets the file's full path and answers for it.
using EditorHook = std::function<bool(const std::string& path)>;

// What a test puts in place of the save dialog: it gets the filter and answers with a path.
using SavePathHook = std::function<QString(const QString& filter)>;

// Everything a test may answer in place of a person; an empty member leaves the desktop's own
// box, dialog or editor in place.
struct DesktopHooks
{
  MessageHook message;    // the message boxes
  QuestionHook question;  // the Yes/No questions
  UnsavedHook unsaved;    // the question about unsaved changes
  EditorHook editor;      // the outside text editor
  SavePathHook save_path; // the save dialog
};

// The hooks in force, for a test to set and to empty again when it is done.
DesktopHooks& TestHooks();

} // namespace corvane
