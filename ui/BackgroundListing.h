#pragma once

// The listings of a start run behind the window shown from the last complete listing.

#include "app/ListingRefresh.h"

#include <QObject>
#include <QTimer>

#include <thread>

class QWidget;

namespace corvane
{

class BackgroundListing : public QObject
{
  Q_OBJECT

public:
  // Runs the start-up's listings (XpStyles::RefreshListings) for `session`'s folder and DAT
  // setting on a thread of their own, once `window` has painted itself (so they never hold up
  // its first picture), or after two seconds when it never does. Finished comes on this
  // object's thread.
  BackgroundListing(const Session& session, QWidget& window);
  // Stops a listing still running and waits for the thread: nothing is written after.
  ~BackgroundListing() override;
  BackgroundListing(const BackgroundListing&) = delete;
  BackgroundListing& operator=(const BackgroundListing&) = delete;

signals:
  void Finished(const XpStyles::ListingRefresh& refresh);

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
  void Start();
  // On this object's thread, once the worker has left its result.
  void Deliver();

private:
  AppDir m_dir;
  bool m_make_dat = false;
  std::string m_dat_path;
  QWidget& m_window;
  QTimer m_unpainted;                // starts the listings when the window never paints
  XpStyles::ListingRefresh m_result; // written by the worker before it asks for Deliver
  std::thread m_worker;
};

} // namespace corvane
