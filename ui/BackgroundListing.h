#pragma once

// The listings of a start run behind the window shown from the last complete listing.

#include "app/ListingRefresh.h"

#include <QObject>

#include <thread>

namespace corvane
{

class BackgroundListing : public QObject
{
  Q_OBJECT

public:
  // Starts the start-up's listings (XpStyles::RefreshListings) for `session`'s folder and DAT
  // setting on a thread of their own; Finished comes on this object's thread.
  explicit BackgroundListing(const Session& session, QObject* parent = nullptr);
  // Stops a listing still running and waits for the thread: nothing is written after.
  ~BackgroundListing() override;
  BackgroundListing(const BackgroundListing&) = delete;
  BackgroundListing& operator=(const BackgroundListing&) = delete;

signals:
  void Finished(const XpStyles::ListingRefresh& refresh);

private:
  std::thread m_worker;
};

} // namespace corvane
