#include "ui/BackgroundListing.h"

#include "base/Process.h"

#include <memory>

namespace corvane
{

BackgroundListing::BackgroundListing(const Session& session, QObject* parent) : QObject(parent)
{
  // The thread gets copies: the session is the window's alone.
  m_worker = std::thread(
      [this, dir = session.dir, make_dat = session.settings.MakeDatFlag == 1,
       dat_path = session.settings.DatPath]
      {
        auto refresh = std::make_shared<XpStyles::ListingRefresh>(
            XpStyles::RefreshListings(dir, make_dat, dat_path));
        // Queued to this object: dropped unread when it is gone by then.
        QMetaObject::invokeMethod(
            this, [this, refresh] { emit Finished(*refresh); }, Qt::QueuedConnection);
      });
}

BackgroundListing::~BackgroundListing()
{
  // The run is ended as a Cancel ends it; a file being written when it stops is written whole
  // (every write is atomic), and nothing else is started.
  StopListings();
  m_worker.join();
  AllowListings();
}

} // namespace corvane
