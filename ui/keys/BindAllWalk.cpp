#include "ui/keys/BindAllWalk.h"

#include "base/Messages.h"
#include "ui/access/Announcer.h"
#include "ui/desktop/QtText.h"
#include "ui/keys/KeyDialog.h"
#include "ui/widgets/BindingTexts.h"

#include <QPushButton>
#include <QTimer>

namespace corvane
{
namespace
{

void SayOnceBack(QWidget* window, const QString& text)
{
  // The dialog closes now and the focus returns to the window, which a screen reader says first,
  // dropping anything said in the same moment: the key follows a little later.
  constexpr int AFTER_THE_FOCUS_MS = 500;
  QTimer::singleShot(AFTER_THE_FOCUS_MS, window, [window, text] { Announce(window, text); });
}

} // namespace

BindAllWalk::BindAllWalk(BindingTable& table, std::vector<WalkStep> steps, TakeKey take_key,
                         QObject* owner)
    : QObject(owner), m_table(table), m_steps(std::move(steps)), m_take_key(std::move(take_key))
{
}

BindAllWalk* BindAllWalk::Start(QPointer<KeyDialog>& dialog, BindingTable& table,
                                std::vector<WalkStep> steps, TakeKey take_key, QObject* owner)
{
  // A single binding's dialog goes first, keeping its key, so the walk has a dialog of its own.
  delete dialog.data();
  auto* walk = new BindAllWalk(table, std::move(steps), std::move(take_key), owner);
  if (walk->m_steps.empty())
  {
    walk->End();
    return walk;
  }
  dialog = new KeyDialog(table);
  // While it walks, nothing else may retarget the dialog.
  dialog->setWindowModality(Qt::ApplicationModal);
  walk->m_dialog = dialog;
  walk->AddWalkCommands();
  connect(dialog, &KeyDialog::KeyTaken, walk, &BindAllWalk::KeyTaken);
  connect(dialog, &QObject::destroyed, walk, &BindAllWalk::End);
  walk->ShowStep(0, {});
  return walk;
}

void BindAllWalk::AddWalkCommands()
{
  // Skip and Stop never bind: chords the dialog reads as commands, and buttons that never take
  // the keyboard focus. Stop is the dialog's own Close, which keeps the current key.
  m_dialog->AddCommand("cmdSkip", ToQString(Messages::WALK_SKIP),
                       QKeyCombination(Qt::AltModifier, Qt::Key_S), [this] { Skip(); });
  if (auto* close = m_dialog->findChild<QPushButton*>("cmdClose"))
    close->setText(ToQString(Messages::WALK_STOP));
  m_dialog->SetHint(ToQString(Messages::WALK_HINT));
  m_dialog->SetClashHint(ToQString(Messages::WALK_CLASH_HINT));
  // A screen reader says what the dialog is for with its caption.
  m_dialog->setAccessibleName(ToQString(Messages::KEYS_CAPTION) + QStringLiteral(" - ") +
                              ToQString(Messages::BIND_ALL_CAPTION));
}

void BindAllWalk::ShowStep(size_t position, const QString& heard_first)
{
  m_position = position;
  const WalkStep& step = m_steps[position];
  const QString text = WalkStepText(position, m_steps.size(), step);
  KeyDialog::OpenFor(m_dialog, m_table, step.slot, text);
  // A screen reader hears no change of the dialog's lines, and reads the dialog (a frame) by its
  // name alone as it opens: every input is said, after the key just taken.
  Announce(m_dialog, heard_first + text);
}

void BindAllWalk::KeyTaken()
{
  const std::string slot = m_table.CurrentSlotKey;
  const QString clash = m_take_key(slot);
  if (!clash.isEmpty())
  {
    // As a single binding: the next key replaces this one, or the player moves on. The line
    // that shows is not read out by itself.
    m_dialog->ShowClash(clash);
    Announce(m_dialog, clash);
    return;
  }
  const QString taken = SpokenCapture(slot, m_table, {});
  // The dialog closes itself after the last key, which is then heard in the window beneath;
  // before that it turns to the next input.
  if (m_position + 1 < m_steps.size())
    ShowStep(m_position + 1, taken + QStringLiteral(". "));
  else if (auto* window = qobject_cast<QWidget*>(parent()))
    SayOnceBack(window, taken);
}

void BindAllWalk::Skip()
{
  if (m_position + 1 < m_steps.size())
    ShowStep(m_position + 1, {});
  else
    m_dialog->close();
}

void BindAllWalk::End()
{
  // Reached as the dialog is destroyed (its connections go with it), or with no dialog at all.
  emit Finished();
  deleteLater();
}

QString WalkStepText(size_t position, size_t count, const WalkStep& step)
{
  return QStringLiteral("%1 of %2: %3")
      .arg(position + 1)
      .arg(count)
      .arg(TargetText(*step.input, step.slot));
}

} // namespace corvane
