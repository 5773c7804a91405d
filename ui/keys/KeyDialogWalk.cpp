// The key dialog's part in Bind All: the way to skip an input or stop the walk without binding
// a key, by mouse (buttons that never take the focus, so every key still binds) and by keyboard.

#include "base/Messages.h"
#include "ui/keys/KeyDialog.h"
#include "ui/widgets/QtText.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace corvane
{
namespace
{

QPushButton* WalkButton(const char* name, std::string_view text, QWidget* parent)
{
  auto* button = new QPushButton(ToQString(text), parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setFocusPolicy(Qt::NoFocus);
  button->setAutoDefault(false);
  return button;
}

} // namespace

void KeyDialog::ShowWalkControls()
{
  if (m_walk_controls)
    return;
  m_walk_controls = new QWidget(this);
  auto* hint = new QLabel(ToQString(Messages::WALK_HINT), m_walk_controls);
  hint->setObjectName("lblWalkHint");
  hint->setWordWrap(true);
  hint->setAlignment(Qt::AlignCenter);
  auto* skip = WalkButton("cmdSkip", Messages::WALK_SKIP, m_walk_controls);
  auto* stop = WalkButton("cmdStop", Messages::WALK_STOP, m_walk_controls);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(skip);
  buttons->addWidget(stop);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(m_walk_controls);
  layout->addWidget(hint);
  layout->addLayout(buttons);
  static_cast<QVBoxLayout*>(this->layout())->addWidget(m_walk_controls);
  connect(skip, &QPushButton::clicked, this, &KeyDialog::SkipRequested);
  connect(stop, &QPushButton::clicked, this, &QDialog::close);
  // The dialog says what it is for, so a screen reader tells it with the caption.
  setAccessibleName(ToQString(Messages::KEYS_CAPTION) + QStringLiteral(" - ") +
                    ToQString(Messages::BIND_ALL_CAPTION));
  FitHeight();
}

} // namespace corvane
