#include "ui/BindingButton.h"

#include <QPainter>
#include <QStyleOptionButton>

namespace corvane
{
namespace
{

constexpr int CAPTION_FLAGS = Qt::AlignCenter | Qt::TextWordWrap;
constexpr double SMALLEST_POINT_SIZE = 6.0;
constexpr double POINT_STEP = 0.5;
constexpr int CAPTION_MARGIN = 3; // inside the bevel

bool Fits(const QFont& font, const QRect& area, const QString& text)
{
  // Word wrap never breaks a word, so a long word shows as a box wider than the area.
  const QRect needed = QFontMetrics(font).boundingRect(area, CAPTION_FLAGS, text);
  return needed.width() <= area.width() && needed.height() <= area.height();
}

} // namespace

BindingButton::BindingButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent)
{
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
  const QRect area =
      rect().adjusted(CAPTION_MARGIN, CAPTION_MARGIN, -CAPTION_MARGIN, -CAPTION_MARGIN);
  painter.setFont(FittingFont(area));
  painter.setPen(
      palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
  painter.drawText(area, CAPTION_FLAGS, text());
}

} // namespace corvane
