// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A conversion run on a worker thread, so that the window keeps repainting and answering
// while the pages are written. Progress and the end reach the object's own thread through
// queued signals; the object may be destroyed at any time (it cancels and waits).
#include <QObject>
#include <atomic>
#include <exception>
#include <functional>
#include <memory>

#include "app/run/run_monitor.h"

class QThread;

class TBackgroundRun : public QObject {
  Q_OBJECT

public:
  using TWork = std::function<void(TRunMonitor& monitor)>;

  // Starts `work` on a new thread at once.
  explicit TBackgroundRun(TWork work, QObject* parent = nullptr);
  // Cancels and waits for the worker.
  ~TBackgroundRun() override;

  // Asks the run to stop: while it wraps and paginates the book, or after the page it is
  // writing; any thread.
  void Cancel() noexcept { monitor_.Cancel(); }
  // Blocks until the worker has returned.
  void Wait();

  // After Ended (or Wait): the run's failure, null when it succeeded.
  std::exception_ptr Error() const { return error_; }

signals:
  // `done` of `total` files written; reports that come faster than they are taken are merged.
  void Progress(int done, int total);
  // The worker has returned; Error tells how.
  void Ended();

private:
  class TMonitor : public TCancelFlagMonitor {
  public:
    explicit TMonitor(TBackgroundRun& run) : run_(run) {}
    void PageDone(int done, int total) override;

  private:
    TBackgroundRun& run_;
  };

  void deliverProgress();

  TMonitor monitor_{*this};
  std::atomic<int> done_{0};
  std::atomic<int> total_{0};
  std::atomic<bool> progressPending_{false};
  std::exception_ptr error_;
  std::unique_ptr<QThread> thread_;
};
