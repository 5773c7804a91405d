// When a key in the key dialog binds and when it is one of the dialog's commands.

#include "ui/keys/KeyChords.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <QTest>

#include <vector>

using namespace corvane;

namespace
{

struct Step
{
  QEvent::Type type; // KeyPress, KeyRelease, or None for Reset
  int key = 0;
  Qt::KeyboardModifiers modifiers = Qt::NoModifier;
  bool repeat = false;
};

Step Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, bool repeat = false)
{
  return {QEvent::KeyPress, key, modifiers, repeat};
}

Step Release(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
  return {QEvent::KeyRelease, key, modifiers, false};
}

const Step RESET{QEvent::None};

// What each step meant, one word per step: "-" nothing, "bind:<key>", "cmd:<index>".
QString Readings(KeyChords& chords, const std::vector<Step>& steps)
{
  QStringList words;
  for (const Step& step : steps)
  {
    if (step.type == QEvent::None)
    {
      chords.Reset();
      continue;
    }
    const QKeyEvent event(step.type, step.key, step.modifiers, QString(), step.repeat);
    const KeyChords::Reading reading = chords.Read(event);
    switch (reading.kind)
    {
    case KeyChords::Reading::Kind::Nothing:
      words << "-";
      break;
    case KeyChords::Reading::Kind::Bind:
      words << "bind:" + QKeySequence(reading.key->key()).toString();
      break;
    case KeyChords::Reading::Kind::Command:
      words << "cmd:" + QString::number(reading.command);
      break;
    }
  }
  return words.join(' ');
}

} // namespace

Q_DECLARE_METATYPE(std::vector<Step>)

class KeyChordsTest : public QObject
{
  Q_OBJECT

private slots:
  void ReadsKeysAndChords_data()
  {
    QTest::addColumn<std::vector<Step>>("steps");
    QTest::addColumn<QString>("readings");
    const auto alt = Qt::AltModifier;
    QTest::newRow("escape binds") << std::vector<Step>{Press(Qt::Key_Escape)} << "bind:Esc";
    QTest::newRow("a held key binds once")
        << std::vector<Step>{Press(Qt::Key_A), Press(Qt::Key_A, {}, true)} << "bind:A -";
    QTest::newRow("alt alone binds on its release")
        << std::vector<Step>{Press(Qt::Key_Alt), Release(Qt::Key_Alt, alt)} << "- bind:Alt";
    QTest::newRow("alt+f4 is the first command")
        << std::vector<Step>{Press(Qt::Key_Alt), Press(Qt::Key_F4, alt), Release(Qt::Key_F4, alt),
                             Release(Qt::Key_Alt, alt)}
        << "- cmd:0 - -";
    QTest::newRow("alt+s is the second command")
        << std::vector<Step>{Press(Qt::Key_Alt), Press(Qt::Key_S, alt)} << "- cmd:1";
    QTest::newRow("shift+a binds a")
        << std::vector<Step>{Press(Qt::Key_Shift), Press(Qt::Key_A, Qt::ShiftModifier),
                             Release(Qt::Key_A, Qt::ShiftModifier),
                             Release(Qt::Key_Shift, Qt::ShiftModifier)}
        << "- bind:A - -";
    QTest::newRow("ctrl+f4 binds f4")
        << std::vector<Step>{Press(Qt::Key_Control), Press(Qt::Key_F4, Qt::ControlModifier)}
        << "- bind:F4";
    QTest::newRow("altgr sent as ctrl then alt binds alt")
        << std::vector<Step>{Press(Qt::Key_Control), Press(Qt::Key_Alt, Qt::ControlModifier),
                             Release(Qt::Key_Alt, Qt::ControlModifier | alt),
                             Release(Qt::Key_Control, Qt::ControlModifier)}
        << "- - bind:Alt -";
    QTest::newRow("windows key binds on its release")
        << std::vector<Step>{Press(Qt::Key_Meta), Release(Qt::Key_Meta)} << "- bind:Meta";
    QTest::newRow("a release without its press binds nothing")
        << std::vector<Step>{Release(Qt::Key_Shift)} << "-";
    QTest::newRow("the keyboard lost while alt is held")
        << std::vector<Step>{Press(Qt::Key_Alt), RESET, Release(Qt::Key_Alt, alt)} << "- -";
  }

  void ReadsKeysAndChords()
  {
    QFETCH(std::vector<Step>, steps);
    QFETCH(QString, readings);
    KeyChords chords;
    QCOMPARE(chords.AddChord(QKeyCombination(Qt::AltModifier, Qt::Key_F4)), 0);
    QCOMPARE(chords.AddChord(QKeyCombination(Qt::AltModifier, Qt::Key_S)), 1);
    QCOMPARE(Readings(chords, steps), readings);
  }
};

QTEST_MAIN(KeyChordsTest)
#include "KeyChordsTest.moc"
