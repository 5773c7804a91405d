#pragma once

// A square binding button: its caption wraps onto several lines and shrinks until it fits, and
// the key bound to it stands on a line of its own below, in a smaller type. The button holds no
// binding; its owner tells it what to show.

#include <QPushButton>

namespace corvane
{

// What a binding button shows under its caption.
struct BindingLook
{
  QString key_label;      // empty: nothing bound, shown as a dimmed "-"
  bool clash = false;     // another input of the same game has the key: a warning sign
  bool inherited = false; // the key comes from a lower layer: dimmed, in brackets
};

class BindingButton : public QPushButton
{
  Q_OBJECT

public:
  explicit BindingButton(const QString& caption, QWidget* parent = nullptr);

  // Shows the binding; the tooltip and the accessible description are the owner's to set.
  void ShowBinding(const BindingLook& look);

  const BindingLook& Look() const { return m_look; }

  // The type of the key line under the caption, and the width the line has.
  QFont KeyFont() const;
  int KeyLineWidth() const;

  // The text of the context menu's entry that removes the binding ("Clear" unless set).
  void SetClearText(const QString& text) { m_clear_text = text; }

  // A second entry of the context menu, which asks to reset the binding; none unless set.
  void SetResetText(const QString& text) { m_reset_text = text; }

  // Lit: framed in the highlight colour, as the key test marks the inputs a key drives.
  void SetLit(bool lit);
  bool Lit() const { return m_lit; }

signals:
  // The player asked to remove the binding: the context menu, Delete or Backspace.
  void ClearRequested();
  // The player chose the context menu's reset entry.
  void ResetRequested();

protected:
  void paintEvent(QPaintEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

private:
  QFont FittingFont(const QRect& area) const;
  QRect Inside() const;
  void PaintKeyLine(QPainter& painter, const QRect& area) const;
  void ShowMenu(const QPoint& global_position);

  BindingLook m_look;
  QString m_clear_text;
  QString m_reset_text;
  bool m_lit = false;
};

} // namespace corvane
