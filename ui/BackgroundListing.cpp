#include "ui/BackgroundListing.h"

#include "base/Process.h"

#include <QEvent>
#include <QWidget>

namespace corvane
{

BackgroundListing::BackgroundListing(const Session& session, QWidget& window)
    : m_dir(session.dir), m_make_dat(session.settings.MakeDatFlag == 1),
      m_dat_path(session.settings.DatPath), m_window(window)
{
  // The thread gets copies: the session is the window's alone.
  m_window.installEventFilter(this);
  constexpr int UNPAINTED_START_MS = 2000;
  m_unpainted.setSingleShot(true);
  connect(&m_unpainted, &QTimer::timeout, this, &BackgroundListing::Start);
  m_unpainted.start(UNPAINTED_START_MS);
}

BackgroundListing::~BackgroundListing()
{
  m_window.removeEventFilter(this);
  // The run is ended as a Cancel ends it; a file being written when it stops is written whole
  // (every write is atomic), and nothing else is started.
  StopListings();
  if (m_worker.joinable())
    m_worker.join();
  AllowListings();
}

bool BackgroundListing::eventFilter(QObject* watched, QEvent* event)
{
  // A listing through Wine takes both cores for a moment: the window's first picture goes first.
  if (watched == &m_window && event->type() == QEvent::Paint)
    Start();
  return QObject::eventFilter(watched, event);
}

void BackgroundListing::Start()
{
  if (m_worker.joinable())
    return;
  m_window.removeEventFilter(this);
  m_unpainted.stop();
  m_worker = std::thread(
      [this]
      {
        m_result = XpStyles::RefreshListings(m_dir, m_make_dat, m_dat_path);
        // Queued to this object, so read on its thread after the write; dropped unread when
        // the object is gone by then.
        QMetaObject::invokeMethod(this, "Deliver", Qt::QueuedConnection);
      });
}

void BackgroundListing::Deliver()
{
  emit Finished(m_result);
}

} // namespace corvane
