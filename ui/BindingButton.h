#pragma once

// A square button whose caption wraps onto several lines and shrinks until it fits, as the
// captions of the binding buttons are long for their size.

#include <QPushButton>

namespace corvane
{

class BindingButton : public QPushButton
{
  Q_OBJECT

public:
  explicit BindingButton(const QString& caption, QWidget* parent = nullptr);

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  QFont FittingFont(const QRect& area) const;
};

} // namespace corvane
