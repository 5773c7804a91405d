#pragma once

#include "controls/BindingTable.h"

#include <QDialog>

class QKeyEvent;
class QLabel;

namespace corvane
{

// The key-capture dialog: shows the key bound to the slot named by CurrentSlotKey, takes the
// next key pressed, stores its token in that slot and closes. Every key is an ordinary key.
class frmKeys : public QDialog
{
  Q_OBJECT

public:
  // Loads with the table's CurrentKey shown as a key name and a token.
  explicit frmKeys(BindingTable& table, QWidget* parent = nullptr);

protected:
  bool event(QEvent* event) override;

private:
  void CreateLayout();
  void ShowToken(const QString& key_name, const std::string& key_token);
  void Capture(const QKeyEvent& key);

  BindingTable& m_table;
  bool m_captured = false;
  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
};

// The Windows virtual-key code of a key event, the code the key tables are keyed by.
int16_t VirtualKeyOf(const QKeyEvent& key);

} // namespace corvane
