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
  // One queued report at a time: a fast run does not flood the window's event queue.
  if (!run_.progressPending_.exchange(true))
    QMetaObject::invokeMethod(&run_, &TBackgroundRun::deliverProgress, Qt::QueuedConnection);
}

void TBackgroundRun::deliverProgress() {
  progressPending_.store(false);
  emit Progress(done_.load(std::memory_order_relaxed), total_.load(std::memory_order_relaxed));
}
