#pragma once

// What the window tests share: an emulator folder with the stand-in emulator, a session over
// it, and a recorder that answers every message box instead of a person.

#include "TempDir.h"
#include "app/Session.h"
#include "catalogue/GroupLists.h"
#include "controls/GameKeys.h"
#include "ui/desktop/Dialogs.h"
#include "ui/keys/KeyDialog.h"

#include <QApplication>
#include <QStandardPaths>
#include <QTest>
#include <QWidget>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

// Readable failure messages for the byte texts the tests compare.
namespace QTest
{
template <> inline char* toString(const std::string& text)
{
  return QTest::toString(QString::fromStdString(text));
}
template <> inline char* toString(const std::vector<std::string>& texts)
{
  QStringList list;
  for (const std::string& text : texts)
    list.append(QString::fromStdString(text));
  return QTest::toString(list.join(" | "));
}
} // namespace QTest

// The answers to the question about unsaved changes, as a column of data-driven tests.
Q_DECLARE_METATYPE(corvane::UnsavedAnswer)

namespace corvane::test
{

// Records the message boxes shown while it lives, each answered with OK, and the questions
// asked, each answered with `answer` (or `unsaved_answer` for the one before closing with
// unsaved changes).
class MessageLog
{
public:
  MessageLog()
  {
    TestHooks().message = [this](MessageKind kind, const QString& text)
    { boxes.emplace_back(kind, text.toStdString()); };
    TestHooks().question = [this](const QString& text)
    {
      questions.push_back(text.toStdString());
      return answer;
    };
    TestHooks().unsaved = [this](const QString& text)
    {
      questions.push_back(text.toStdString());
      return unsaved_answer;
    };
  }
  ~MessageLog()
  {
    TestHooks().message = {};
    TestHooks().question = {};
    TestHooks().unsaved = {};
  }
  MessageLog(const MessageLog&) = delete;
  MessageLog& operator=(const MessageLog&) = delete;

  std::vector<std::pair<MessageKind, std::string>> boxes;
  std::vector<std::string> questions;
  bool answer = true;
  UnsavedAnswer unsaved_answer = UnsavedAnswer::Cancel;
};

// An emulator folder (a subfolder of a temporary folder, so its name may hold blanks) with the
// stand-in emulator as "zinc.exe", an empty "ctrlr" folder and a session over it.
class EmulatorFolder : public TempDir
{
public:
  explicit EmulatorFolder(const std::string& subfolder = "emu")
      : m_root(std::filesystem::path(Path()) / subfolder)
  {
    std::filesystem::create_directories(m_root / "ctrlr");
    std::filesystem::copy_file(ZINC_EXE, m_root / "zinc.exe");
    session.dir = AppDir(m_root.string());
    session.settings.CommandOptions = "--use-config-file=zinc.cfg";
    session.games.rows = {
        {"sfex", "Street Fighter EX", "", "12", "sfex", ""},
        {"tekken", "Tekken", "", "7", "tekken", ""},
        {"tekken", "Tekken", "", "8", "tekken", ""},
    };
  }

  // Street Fighter EX alone in the Capcom family, with no game's own keys yet.
  void PutSfexInCapcom()
  {
    WriteFile("ctrlr/cap.lst", "sfex\r\n");
    session.groups = ZincListMan::LoadGroupLists(session.dir);
    session.game_keys = GameKeys();
  }

  std::string Root() const { return m_root.string(); }
  // The path as the program names it: with the system's separators.
  std::string File(const std::string& name) const
  {
    return (m_root / std::filesystem::path(name).make_preferred()).string();
  }
  std::string ReadFile(const std::string& name) const
  {
    return ReadFileBytes(File(name)).value_or("<missing>");
  }
  void WriteFile(const std::string& name, const std::string& bytes) const
  {
    WriteFileAtomic(File(name), bytes);
  }
  // The names of the files in a folder of the emulator folder, sorted.
  std::vector<std::string> FilesIn(const std::string& folder) const
  {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(m_root / folder))
      names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  Session session;

private:
  std::filesystem::path m_root;
};

// The line the stand-in emulator wrote about its start, once it has (within 30 s: a loaded
// machine starts programs slowly), without its line end.
inline std::string LaunchLog(const EmulatorFolder& folder)
{
  std::string log;
  for (int attempt = 0; attempt < 600 && log.find('\n') == std::string::npos; ++attempt)
  {
    QTest::qWait(50);
    log = ReadFileBytes(folder.File("zinc-launch.log")).value_or("");
  }
  while (!log.empty() && (log.back() == '\n' || log.back() == '\r'))
    log.pop_back();
  return log;
}

// True where a test can send real input through the X server: the xcb platform and xdotool.
inline bool CanSendRealInput()
{
  return QGuiApplication::platformName() == "xcb" &&
         !QStandardPaths::findExecutable("xdotool").isEmpty();
}

// The visible key-capture dialog, or nullptr.
inline KeyDialog* OpenKeyDialog()
{
  for (QWidget* window : QApplication::topLevelWidgets())
    if (auto* dialog = qobject_cast<KeyDialog*>(window); dialog && dialog->isVisible())
      return dialog;
  return nullptr;
}

} // namespace corvane::test
