// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/windows/background_run.h"

#include <QThread>

TBackgroundRun::TBackgroundRun(TWork work, QObject* parent) : QObject(parent) {
  thread_.reset(QThread::create([this, work = std::move(work)] {
    try {
      work(monitor_);
    } catch (...) {
      error_ = std::current_exception();
    }
  }));
  // Emitted on the worker; queued to this object's thread, and dropped with this object.
  connect(thread_.get(), &QThread::finished, this, &TBackgroundRun::Ended);
  thread_->start();
}

TBackgroundRun::~TBackgroundRun() {
  Cancel();
  Wait();
}

void TBackgroundRun::Wait() { thread_->wait(); }

void TBackgroundRun::TMonitor::PageDone(int done, int total) {
  run_.done_.store(done, std::memory_order_relaxed);
  run_.total_.store(total, std::memory_order_relaxed);
  // One queued report at a time: a fast run does not flood the window's event queue. The
  // exchange releases the counts; when a report is already queued, that report's acquiring
  // exchange reads them.
  if (!run_.progressPending_.exchange(true, std::memory_order_acq_rel))
    QMetaObject::invokeMethod(&run_, &TBackgroundRun::deliverProgress, Qt::QueuedConnection);
}

void TBackgroundRun::deliverProgress() {
  // Acquires the counts of the last page stored before it: the final report is never stale.
  progressPending_.exchange(false, std::memory_order_acq_rel);
  emit Progress(done_.load(std::memory_order_relaxed), total_.load(std::memory_order_relaxed));
}
