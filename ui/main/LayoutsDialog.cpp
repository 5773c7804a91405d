#include "ui/main/LayoutsDialog.h"

#include "app/LayoutSwitch.h"
#include "base/Messages.h"
#include "ui/desktop/Dialogs.h"
#include "ui/desktop/QtText.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace corvane
{
namespace
{

LayoutsDialog::AskHook& AskHookSlot()
{
  static LayoutsDialog::AskHook hook;
  return hook;
}

QPushButton* AddButton(QVBoxLayout* column, const char* name, const QString& caption)
{
  auto* button = new QPushButton(caption);
  button->setObjectName(QString::fromLatin1(name));
  column->addWidget(button);
  return button;
}

} // namespace

void LayoutsDialog::SetAskHook(AskHook hook)
{
  AskHookSlot() = std::move(hook);
}

LayoutsDialog::LayoutsDialog(Session& session, QWidget* parent)
    : QDialog(parent), m_session(session)
{
  setObjectName("frmLayouts");
  setWindowTitle(tr("Key Layouts"));
  lblInUse = new QLabel(this);
  lblInUse->setObjectName("lblInUse");
  lstLayouts = new QListWidget(this);
  lstLayouts->setObjectName("lstLayouts");
  lstLayouts->setAccessibleName(tr("Layouts"));
  auto* buttons = new QVBoxLayout;
  connect(AddButton(buttons, "cmdLayoutSwitch", tr("&Switch To")), &QPushButton::clicked, this,
          [this] { SwitchTo(SelectedName()); });
  connect(AddButton(buttons, "cmdLayoutSave", tr("Save &Current As...")), &QPushButton::clicked,
          this, [this] { SaveCurrentAs(Ask(tr("Name of the layout:"), SelectedName())); });
  connect(AddButton(buttons, "cmdLayoutRename", tr("&Rename...")), &QPushButton::clicked, this,
          [this] { RenameTo(SelectedName(), Ask(tr("New name:"), SelectedName())); });
  connect(AddButton(buttons, "cmdLayoutDelete", tr("&Delete")), &QPushButton::clicked, this,
          [this] { Delete(SelectedName()); });
  connect(AddButton(buttons, "cmdLayoutExport", tr("&Export...")), &QPushButton::clicked, this,
          [this] { ExportTo(SelectedName(), AskPath(true)); });
  connect(AddButton(buttons, "cmdLayoutImport", tr("&Import...")), &QPushButton::clicked, this,
          [this]
          {
            const QString path = AskPath(false);
            if (!path.isEmpty())
              ImportFrom(path, Ask(tr("Name of the imported layout:"),
                                   QFileInfo(path).completeBaseName()));
          });
  buttons->addStretch();
  connect(AddButton(buttons, "cmdLayoutClose", tr("Close")), &QPushButton::clicked, this,
          &QDialog::accept);
  auto* row = new QHBoxLayout;
  row->addWidget(lstLayouts);
  row->addLayout(buttons);
  auto* column = new QVBoxLayout(this);
  column->addWidget(lblInUse);
  column->addLayout(row);
  Refresh();
}

void LayoutsDialog::Refresh()
{
  const std::string in_use = LayoutStore::InUse(m_session.dir);
  lblInUse->setText(
      tr("In use: %1").arg(ToQString(in_use.empty() ? Messages::LAYOUT_NONE : in_use)));
  lstLayouts->clear();
  for (const std::string& name : LayoutStore::List(m_session.dir))
  {
    lstLayouts->addItem(ToQString(name));
    if (name == in_use)
      lstLayouts->setCurrentRow(lstLayouts->count() - 1);
  }
}

QString LayoutsDialog::SelectedName() const
{
  const QListWidgetItem* item = lstLayouts->currentItem();
  return item ? item->text() : QString();
}

QString LayoutsDialog::Ask(const QString& question, const QString& suggestion)
{
  if (AskHookSlot())
    return AskHookSlot()(question);
  return QInputDialog::getText(this, windowTitle(), question, QLineEdit::Normal, suggestion);
}

QString LayoutsDialog::AskPath(bool save)
{
  const QString filter = tr("Key layouts (*.ini);;All files (*)");
  if (AskHookSlot())
    return AskHookSlot()(save ? tr("Export to") : tr("Import from"));
  return save ? AskSavePath(this, filter, QStringLiteral("ini"))
              : QFileDialog::getOpenFileName(this, windowTitle(), QString(), filter);
}

void LayoutsDialog::ShowSkipped(const std::vector<std::string>& skipped)
{
  if (!skipped.empty())
    ShowMessage(this, MessageKind::Plain, DescribeSkipped(skipped));
}

bool LayoutsDialog::SaveCurrentAs(const QString& name)
{
  if (name.isEmpty())
    return false;
  const Outcome outcome = LayoutSwitch::SaveCurrent(m_session, ToBytes(name));
  ShowProblems(this, {}, outcome.Describe());
  Refresh();
  return outcome.Ok();
}

bool LayoutsDialog::SwitchTo(const QString& name)
{
  if (name.isEmpty())
    return false;
  const LayoutLoad load = LayoutSwitch::Switch(m_session, ToBytes(name));
  ShowProblems(this, {}, load.outcome.Describe());
  if (load.layout)
  {
    ShowSkipped(load.skipped);
    emit BindingsSwitched();
  }
  Refresh();
  return load.layout.has_value();
}

bool LayoutsDialog::RenameTo(const QString& from, const QString& to)
{
  if (from.isEmpty() || to.isEmpty())
    return false;
  const Outcome outcome = LayoutStore::Rename(m_session.dir, ToBytes(from), ToBytes(to));
  ShowProblems(this, {}, outcome.Describe());
  Refresh();
  return outcome.Ok();
}

bool LayoutsDialog::Delete(const QString& name)
{
  if (name.isEmpty() || !AskYesNo(this, ToBytes(tr("Delete the layout %1?").arg(name))))
    return false;
  const Outcome outcome = LayoutStore::Remove(m_session.dir, ToBytes(name));
  ShowProblems(this, {}, outcome.Describe());
  Refresh();
  return outcome.Ok();
}

bool LayoutsDialog::ExportTo(const QString& name, const QString& path)
{
  if (name.isEmpty() || path.isEmpty())
    return false;
  const Outcome outcome = LayoutStore::Export(m_session.dir, ToBytes(name), ToBytes(path));
  ShowProblems(this, {}, outcome.Describe());
  return outcome.Ok();
}

bool LayoutsDialog::ImportFrom(const QString& path, const QString& name)
{
  if (path.isEmpty() || name.isEmpty())
    return false;
  const std::string bytes_name = ToBytes(name);
  bool replace = false;
  if (LayoutStore::Load(m_session.dir, bytes_name).layout)
  {
    replace = AskYesNo(this, ToBytes(tr("Replace the layout %1?").arg(name)));
    if (!replace)
      return false;
  }
  const LayoutLoad load = LayoutStore::Import(m_session.dir, ToBytes(path), bytes_name, replace);
  ShowProblems(this, {}, load.outcome.Describe());
  if (load.layout)
    ShowSkipped(load.skipped);
  Refresh();
  return load.layout.has_value();
}

} // namespace corvane
