#pragma once

// Bind All: the key dialog walks through the inputs of a walk (a page, or all that a player of a
// family uses) for one player, one capture each, each capture the same as a single binding's.

#include "controls/BindingInputs.h"
#include "controls/BindingTable.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <string_view>
#include <vector>

namespace corvane
{

class KeyDialog;

class BindAllWalk : public QObject
{
  Q_OBJECT

public:
  // What the owner does with a key the dialog has just stored in `slot`: shows it, keeps it
  // where it belongs, and returns the note naming the inputs it clashes with (empty: none).
  using TakeKey = std::function<QString(std::string_view slot)>;

  // Opens the dialog (closing a single binding's first) for the first of `steps` over `table`
  // and walks on with each key taken; a key that clashes keeps the walk on its input until the
  // next key replaces it or the player skips. The walk ends after the last input, or when the
  // player stops it; keys taken stay. Lives as long as the walk, under `owner`.
  static BindAllWalk* Start(QPointer<KeyDialog>& dialog, BindingTable& table,
                            std::vector<WalkStep> steps, TakeKey take_key, QObject* owner);

  // Where the walk stands: the index of the input the dialog waits for.
  size_t Position() const { return m_position; }

signals:
  // The walk is over: every input had its turn, or the player stopped.
  void Finished();

private:
  BindAllWalk(BindingTable& table, std::vector<WalkStep> steps, TakeKey take_key, QObject* owner);
  void AddWalkCommands();
  // Turns the dialog to the input at `position`; a screen reader hears `heard_first`, then it.
  void ShowStep(size_t position, const QString& heard_first);
  void KeyTaken();
  void Skip();
  void End();

  BindingTable& m_table;
  std::vector<WalkStep> m_steps;
  TakeKey m_take_key;
  QPointer<KeyDialog> m_dialog;
  size_t m_position = 0;
};

// "3 of 10: Fierce Punch - Player 1", or "Start 1 - shared" after the count.
QString WalkStepText(size_t position, size_t count, const WalkStep& step);

} // namespace corvane
