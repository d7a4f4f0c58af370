#include "operations/curves/BackgroundWork.h"

#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>

#include "foundation/FloatFaults.h"

struct BackgroundWork::Job {
  curves::SweepControl control;
  int parts = 0;
  Finish finish;
  std::exception_ptr error;  // what the work ended with, set before ended
  std::mutex mutex;
  std::condition_variable endedSignal;
  bool ended = false;
  std::thread thread;

  bool Ended() {
    std::lock_guard<std::mutex> lock(mutex);
    return ended;
  }
};

BackgroundWork::BackgroundWork(std::function<void()> busyChanged, Guard guard)
    : busyChanged_(std::move(busyChanged)), guard_(std::move(guard)) {
  timer_.setInterval(25);
  QObject::connect(&timer_, &QTimer::timeout, this, [this] { Poll(); });
}

BackgroundWork::~BackgroundWork() {
  timer_.stop();
  if (current_) {
    current_->control.cancel = true;
    retiring_.push_back(std::move(current_));
  }
  for (const std::shared_ptr<Job>& job : retiring_)
    if (job->thread.joinable()) job->thread.join();
}

void BackgroundWork::Start(Work work, Finish finish, int parts, std::chrono::milliseconds wait) {
  if (current_) {
    current_->control.cancel = true;
    retiring_.push_back(std::move(current_));
  }
  auto job = std::make_shared<Job>();
  job->parts = parts;
  job->finish = std::move(finish);
  Job* j = job.get();
  job->thread = std::thread([j, work = std::move(work)] {
    try {
      FloatFaults::Clear();
      work(j->control);
      FloatFaults::Check();
    } catch (...) {
      // One that escapes the work leaves no result; the window's thread says it.
      j->error = std::current_exception();
    }
    FloatFaults::Clear();
    {
      std::lock_guard<std::mutex> lock(j->mutex);
      j->ended = true;
    }
    j->endedSignal.notify_all();
  });
  {
    std::unique_lock<std::mutex> lock(job->mutex);
    job->endedSignal.wait_for(lock, wait, [j] { return j->ended; });
  }
  current_ = std::move(job);
  Poll();
  if (current_) {
    timer_.start();
    if (busyChanged_) busyChanged_();
  }
}

void BackgroundWork::Cancel() {
  if (!current_) return;
  current_->control.cancel = true;
  retiring_.push_back(std::move(current_));
  Retire();
  if (busyChanged_) busyChanged_();
}

double BackgroundWork::Progress() const {
  if (!current_ || current_->parts <= 0) return -1;
  return static_cast<double>(current_->control.done.load()) / current_->parts;
}

void BackgroundWork::Poll() {
  Retire();
  std::shared_ptr<Job> ended;
  if (current_ && current_->Ended()) {
    ended = std::move(current_);
    ended->thread.join();
  }
  if (!current_ && retiring_.empty()) timer_.stop();
  if (!ended) return;
  if (ended->control.cancel.load()) {
    if (busyChanged_) busyChanged_();
    return;
  }
  // The work's error, or its finish, as an operation of the window: with a
  // guard, what goes wrong is shown (inside an operation, it ends that one).
  const std::exception_ptr error = ended->error;
  const Finish finish = ended->finish;
  const auto show = [error, finish] {
    if (error) std::rethrow_exception(error);
    if (finish) finish();
  };
  if (busyChanged_) busyChanged_();
  if (guard_) {
    guard_(show);
    return;
  }
  // Outside an operation the flags may hold what Qt left there; the finish
  // writes fields, which check them first.
  FloatFaults::Clear();
  try {
    show();
  } catch (...) {
    // Without a guard a result that cannot be shown is left out.
  }
  FloatFaults::Clear();
}

void BackgroundWork::Retire() {
  for (auto it = retiring_.begin(); it != retiring_.end();) {
    if ((*it)->Ended()) {
      (*it)->thread.join();
      it = retiring_.erase(it);
    } else {
      ++it;
    }
  }
  if (!retiring_.empty()) timer_.start();
}
