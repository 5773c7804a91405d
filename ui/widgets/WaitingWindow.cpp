#include "ui/widgets/WaitingWindow.h"

#include "base/Messages.h"
#include "ui/desktop/QtText.h"

#include <QEventLoop>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

#include <atomic>
#include <memory>
#include <thread>

namespace corvane
{
namespace
{

std::unique_ptr<QWidget> MakeWaitingWindow(std::string_view text,
                                           const std::function<void()>& cancel, bool& cancelled)
{
  auto window = std::make_unique<QWidget>(nullptr, Qt::Dialog);
  window->setObjectName("frmWait");
  window->setWindowTitle(ToQString(Messages::APP_TITLE));
  auto* label = new QLabel(ToQString(text), window.get());
  label->setObjectName("lblWait");
  label->setWordWrap(true);
  auto* bar = new QProgressBar(window.get());
  bar->setRange(0, 0); // no end known: a busy bar
  bar->setTextVisible(false);
  bar->setAccessibleName(ToQString(text));
  auto* layout = new QVBoxLayout(window.get());
  layout->addWidget(label);
  layout->addWidget(bar);
  if (cancel)
  {
    auto* button = new QPushButton(QObject::tr("Cancel"), window.get());
    button->setObjectName("cmdCancelWait");
    layout->addWidget(button, 0, Qt::AlignRight);
    QObject::connect(button, &QPushButton::clicked, button,
                     [button, &cancel, &cancelled]
                     {
                       button->setEnabled(false);
                       cancelled = true;
                       cancel();
                     });
  }
  window->setMinimumWidth(360);
  return window;
}

} // namespace

bool RunWithWaitingWindow(const std::function<void()>& work, std::string_view text,
                          std::chrono::milliseconds delay, const std::function<void()>& cancel)
{
  std::atomic<bool> done = false;
  bool cancelled = false;
  std::thread worker(
      [&work, &done]
      {
        work();
        done = true;
      });
  std::unique_ptr<QWidget> window;
  QEventLoop loop;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, &loop,
                   [&]
                   {
                     if (done)
                       loop.quit();
                   });
  QTimer show_later;
  show_later.setSingleShot(true);
  QObject::connect(&show_later, &QTimer::timeout, &loop,
                   [&]
                   {
                     if (done)
                       return;
                     window = MakeWaitingWindow(text, cancel, cancelled);
                     window->show();
                   });
  show_later.start(delay);
  poll.start(20);
  loop.exec();
  worker.join();
  return cancelled;
}

} // namespace corvane
