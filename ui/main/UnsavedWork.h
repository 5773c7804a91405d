#pragma once

// The main window's unsaved work: whether anything would be lost, the "*" that marks it in the
// window's title, and the question before it would go.

#include "ui/desktop/Dialogs.h"

#include <QObject>
#include <QString>

#include <functional>
#include <string_view>
#include <vector>

class QCheckBox;
class QLineEdit;
class QWidget;

namespace corvane
{

class UnsavedWork : public QObject
{
  Q_OBJECT

public:
  // Marks the title of `window`, whose caption without the mark is `caption`.
  UnsavedWork(QWidget& window, QString caption);

  // Counts as unsaved work while `pending` answers true: the window's values against the record
  // of what is saved, moves waiting in the grouping window.
  void Count(std::function<bool()> pending);

  // Marks again whenever the box changes.
  void Watch(QCheckBox* box);
  void Watch(QLineEdit* box);

  // True while any counted work is unsaved.
  bool Any() const;

  // Asks Save / Discard / Cancel with the buttons of `moment` while work is unsaved; Save runs
  // `save`. True when the work may go: nothing unsaved, saved, or discarded; false on Cancel and
  // after a save that left something unsaved (it has told why).
  bool MayLeave(std::string_view question, UnsavedMoment moment, const std::function<void()>& save);

public slots:
  // Puts the mark in the title, or takes it away.
  void UpdateMark();

private:
  QWidget& m_window;
  QString m_caption;
  std::vector<std::function<bool()>> m_pending;
};

} // namespace corvane
