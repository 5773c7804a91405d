#include "ui/widgets/BindingTexts.h"

#include "base/Messages.h"
#include "controls/KeyLabels.h"
#include "ui/desktop/QtText.h"
#include "ui/keyboard/KeyboardLayout.h"
#include "ui/widgets/BindingButton.h"

#include <QCoreApplication>
#include <QStringList>

namespace corvane
{
namespace
{

QString Tr(const char* text)
{
  return QCoreApplication::translate("BindingTexts", text);
}

// "Player 2 " for a player's slot, nothing for an input of both players.
QString PlayerPrefix(const BindingInput& row, std::string_view slot)
{
  if (row.slot_p1 == row.slot_p2)
    return {};
  return slot == row.slot_p1 ? Tr("Player 1 ") : Tr("Player 2 ");
}

// The key in words, and whose it is when layers are shown.
QString LayeredText(const BindingInput& row, std::string_view slot, const BindingTable& table,
                    const InheritsKey& inherits, const KeyCodeManager::LayoutCharacter& layout)
{
  QString text = BindingText(row, slot, table.Get(slot), layout);
  if (inherits)
    text += inherits(slot) ? Tr(" (family key)") : Tr(" (own key)");
  return text;
}

// "Player 2 Low Punch, Capcom 6 Button; Start 1, General": the inputs that share the slot's key.
QString OthersText(std::string_view slot, const ClashMap& clashes)
{
  QStringList others;
  for (const std::string_view other : clashes.Others(slot))
  {
    for (const BindingRow& row : BindingRows())
    {
      if (row.slot_p1 == other || row.slot_p2 == other)
        others << PlayerPrefix(row, other) + CaptionText(row.caption) + QStringLiteral(", ") +
                      PageCaption(row.page);
    }
  }
  return others.join(QStringLiteral("; "));
}

} // namespace

QString BindingText(const BindingInput& row, std::string_view slot, const std::string& token,
                    const KeyCodeManager::LayoutCharacter& layout)
{
  const std::string label = KeyCodeManager::KeyLabelFromKeyToken(token, layout);
  const QString who = row.slot_p1 == row.slot_p2 ? Tr("Both players") : PlayerPrefix(row, slot);
  return who.trimmed() + QStringLiteral(": ") +
         (label.empty() ? Tr("not bound") : ToQString(label));
}

QString TargetText(const BindingInput& row, std::string_view slot)
{
  const QString who = row.slot_p1 == row.slot_p2 ? Tr("shared") : PlayerPrefix(row, slot).trimmed();
  return CaptionText(row.caption) + QStringLiteral(" - ") + who;
}

QString ClashText(std::string_view slot, const ClashMap& clashes)
{
  const QString others = OthersText(slot, clashes);
  return others.isEmpty() ? QString() : Tr("Also ") + others;
}

QString SpokenBinding(const BindingRow& row, std::string_view slot, const std::string& token)
{
  const std::string label = KeyCodeManager::KeyLabelFromKeyToken(token);
  const QString who = PlayerPrefix(row, slot).trimmed();
  return CaptionText(row.caption) + (who.isEmpty() ? QString() : QStringLiteral(", ") + who) +
         QStringLiteral(": ") + (label.empty() ? Tr("not bound") : ToQString(label));
}

QString SpokenClash(std::string_view slot, const BindingTable& table, const ClashMap& clashes)
{
  const QString others = OthersText(slot, clashes);
  if (others.isEmpty())
    return {};
  const QString key = ToQString(KeyCodeManager::KeyLabelFromKeyToken(table.Get(slot)));
  return key + Tr(" is also ") + others + QStringLiteral(": ") +
         ToQString(Messages::KEYS_CLASH_HINT);
}

QString SpokenCapture(std::string_view slot, const BindingTable& table, const ClashMap& clashes)
{
  if (QString clash = SpokenClash(slot, table, clashes); !clash.isEmpty())
    return clash;
  for (const BindingRow& row : BindingRows())
    if (row.slot_p1 == slot || row.slot_p2 == slot)
      return SpokenBinding(row, slot, table.Get(slot));
  return {};
}

void ShowBinding(BindingButton& button, const BindingRow& row, std::string_view slot,
                 const BindingTable& table, const ClashMap& clashes, const InheritsKey& inherits)
{
  const QString clash = ClashText(slot, clashes);
  const bool inherited = inherits && inherits(slot);
  // Named in the layout in force now: a player who switches layouts sees the keys' new names
  // the next time the buttons are shown.
  const KeyCodeManager::LayoutCharacter layout = CurrentLayoutCharacter();
  const auto label = KeyCodeManager::KeyLabelsFromKeyToken(table.Get(slot), layout);
  button.ShowBinding({ToQString(label.short_label), !clash.isEmpty(), inherited});
  QString tip = LayeredText(row, row.slot_p1, table, inherits, layout);
  if (row.slot_p2 != row.slot_p1)
    tip += QLatin1Char('\n') + LayeredText(row, row.slot_p2, table, inherits, layout);
  const QString clash_line = clash.isEmpty() ? QString() : QLatin1Char('\n') + clash;
  // The last line says how to clear: the context menu and Delete are found nowhere else.
  const std::string_view clear = inherits ? Messages::CLEAR_HINT_FAMILY : Messages::CLEAR_HINT;
  button.setToolTip(tip + clash_line + QLatin1Char('\n') + ToQString(clear));
  button.setAccessibleDescription(LayeredText(row, slot, table, inherits, layout) + clash_line);
}

} // namespace corvane
