#include "ui/main/UnsavedWork.h"

#include "base/Messages.h"
#include "ui/desktop/QtText.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QWidget>

#include <algorithm>

namespace corvane
{

UnsavedWork::UnsavedWork(QWidget& window, QString caption)
    : QObject(&window), m_window(window), m_caption(std::move(caption))
{
}

void UnsavedWork::Count(std::function<bool()> pending)
{
  m_pending.push_back(std::move(pending));
  UpdateMark();
}

void UnsavedWork::Watch(QCheckBox* box)
{
  connect(box, &QCheckBox::stateChanged, this, &UnsavedWork::UpdateMark);
}

void UnsavedWork::Watch(QLineEdit* box)
{
  connect(box, &QLineEdit::textChanged, this, &UnsavedWork::UpdateMark);
}

bool UnsavedWork::Any() const
{
  return std::ranges::any_of(m_pending, [](const auto& pending) { return pending(); });
}

void UnsavedWork::UpdateMark()
{
  // A leading "*", as desktop editors mark a document; a window with nothing unsaved keeps its
  // caption exactly.
  m_window.setWindowTitle(Any() ? ToQString(Messages::UNSAVED_MARK) + m_caption : m_caption);
}

bool UnsavedWork::MayLeave(std::string_view question, UnsavedMoment moment,
                           const std::function<void()>& save)
{
  if (!Any())
    return true;
  switch (AskAboutUnsaved(&m_window, question, moment))
  {
  case UnsavedAnswer::Save:
    save();
    UpdateMark();
    return !Any();
  case UnsavedAnswer::Discard:
    return true;
  case UnsavedAnswer::Cancel:
    break;
  }
  return false;
}

} // namespace corvane
