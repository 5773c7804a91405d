#include "ui/widgets/BindingButton.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QStyleOptionButton>

namespace corvane
{
namespace
{

constexpr int CAPTION_FLAGS = Qt::AlignCenter | Qt::TextWordWrap;
constexpr double SMALLEST_POINT_SIZE = 6.0;
constexpr double POINT_STEP = 0.5;
constexpr int CAPTION_MARGIN = 3;      // inside the bevel
constexpr double KEY_TYPE_SCALE = 0.9; // the key line's type against the caption's
const QString CLASH_SIGN = QStringLiteral("\u26A0 ");
const QString NOTHING_BOUND = QStringLiteral("-");
constexpr double DIMMED_ALPHA = 0.55;

bool Fits(const QFont& font, const QRect& area, const QString& text)
{
  // Word wrap never breaks a word, so a long word shows as a box wider than the area.
  const QRect needed = QFontMetrics(font).boundingRect(area, CAPTION_FLAGS, text);
  return needed.width() <= area.width() && needed.height() <= area.height();
}

} // namespace

BindingButton::BindingButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent), m_clear_text(tr("Clear"))
{
}

void BindingButton::ShowBinding(const BindingLook& look)
{
  m_look = look;
  update();
}

QFont BindingButton::FittingFont(const QRect& area) const
{
  QFont font = this->font();
  while (font.pointSizeF() > SMALLEST_POINT_SIZE && !Fits(font, area, text()))
    font.setPointSizeF(font.pointSizeF() - POINT_STEP);
  return font;
}

void BindingButton::paintEvent(QPaintEvent*)
{
  QPainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  option.text.clear(); // the bevel without a caption; the caption follows, wrapped
  style()->drawControl(QStyle::CE_PushButton, &option, &painter, this);
  if (m_lit)
  {
    constexpr int LIT_FRAME = 3;
    painter.setPen(QPen(palette().color(QPalette::Highlight), LIT_FRAME));
    painter.drawRect(rect().adjusted(1, 1, -2, -2));
  }
  const QFont key_font = KeyFont();
  const int key_height = QFontMetrics(key_font).height();
  const QRect inside = Inside();
  const QRect caption_area = inside.adjusted(0, 0, 0, -key_height);
  painter.setFont(FittingFont(caption_area));
  painter.setPen(
      palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
  painter.drawText(caption_area, CAPTION_FLAGS, text());
  painter.setFont(key_font);
  PaintKeyLine(painter, inside.adjusted(0, inside.height() - key_height, 0, 0));
}

QFont BindingButton::KeyFont() const
{
  QFont key_font = font();
  key_font.setPointSizeF(font().pointSizeF() * KEY_TYPE_SCALE);
  key_font.setBold(true); // told apart from the caption at a glance
  // Hinted to the pixel grid at this small size, the type pulls the dots of "Ö", "Ä" and "Ü"
  // down onto the letter, where they vanish into it: the key line keeps the outlines as drawn.
  key_font.setHintingPreference(QFont::PreferNoHinting);
  return key_font;
}

QRect BindingButton::Inside() const
{
  return rect().adjusted(CAPTION_MARGIN, CAPTION_MARGIN, -CAPTION_MARGIN, -CAPTION_MARGIN);
}

int BindingButton::KeyLineWidth() const
{
  return Inside().width();
}

void BindingButton::PaintKeyLine(QPainter& painter, const QRect& area) const
{
  QString line = m_look.key_label.isEmpty() ? NOTHING_BOUND : m_look.key_label;
  if (m_look.inherited && !m_look.key_label.isEmpty())
    line = QStringLiteral("(%1)").arg(line);
  if (m_look.clash)
    line.prepend(CLASH_SIGN);
  QColor pen =
      palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText);
  // Dimmed, yet still easy to read: an empty slot and a key that comes from a lower layer.
  if (m_look.key_label.isEmpty() || m_look.inherited)
    pen.setAlphaF(DIMMED_ALPHA);
  painter.setPen(pen);
  // Key names are short enough for the line; a marked one (clash sign, brackets) or a name read
  // from a file takes a smaller type, and only past the smallest loses its end behind an
  // ellipsis, never half a letter. The tooltip has it whole.
  QFont font = painter.font();
  while (font.pointSizeF() > SMALLEST_POINT_SIZE &&
         QFontMetrics(font).horizontalAdvance(line) > area.width())
    font.setPointSizeF(font.pointSizeF() - POINT_STEP);
  painter.setFont(font);
  const QString shown = painter.fontMetrics().elidedText(line, Qt::ElideRight, area.width());
  painter.drawText(area, Qt::AlignHCenter | Qt::AlignBottom, shown);
}

void BindingButton::contextMenuEvent(QContextMenuEvent* event)
{
  ShowMenu(event->globalPos());
}

void BindingButton::keyPressEvent(QKeyEvent* event)
{
  const bool clear_key = event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace;
  const bool menu_key = event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier;
  if (clear_key && event->modifiers() == Qt::NoModifier)
    emit ClearRequested();
  else if (menu_key)
    ShowMenu(mapToGlobal(rect().center()));
  else
    QPushButton::keyPressEvent(event);
}

void BindingButton::ShowMenu(const QPoint& global_position)
{
  QMenu menu(this);
  menu.addAction(m_clear_text, this, &BindingButton::ClearRequested);
  if (!m_reset_text.isEmpty())
    menu.addAction(m_reset_text, this, &BindingButton::ResetRequested);
  menu.exec(global_position);
}

void BindingButton::SetLit(bool lit)
{
  if (lit == m_lit)
    return;
  m_lit = lit;
  update();
}

} // namespace corvane
