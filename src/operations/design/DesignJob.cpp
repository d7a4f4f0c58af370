#include "operations/design/DesignJob.h"

#include <QCoreApplication>
#include <QtConcurrent/QtConcurrentRun>

#include "foundation/Errors.h"
#include "foundation/FloatFaults.h"
#include "widgets/Form.h"

namespace {

// The work on a worker thread: the floating-point flags are the thread's
// own, so the work checks them itself; an error becomes a result that
// reports it on the window's thread.
DesignJob::Show RunChecked(const DesignJob::CountedWork& work, DesignJob::Control& control) {
  try {
    FloatFaults::Clear();
    DesignJob::Show show = work(control);
    FloatFaults::Check();
    return show;
  } catch (const AppError& e) {
    FloatFaults::Clear();
    const QString text = e.text();
    return [text] { throw AppError(text); };
  } catch (const std::exception& e) {
    FloatFaults::Clear();
    const QString text = QString::fromUtf8(e.what());
    return [text] { throw AppError(text); };
  }
}

}  // namespace

DesignJob::DesignJob(Form& form, std::function<void(bool busy)> busy) : f(form), onBusy_(std::move(busy)) {
  progressTimer_.setInterval(100);
  connect(&progressTimer_, &QTimer::timeout, this, &DesignJob::TellProgress);
}

DesignJob::~DesignJob() {
  if (control_) control_->cancel = true;
  if (watcher_) {
    watcher_->disconnect(this);
    watcher_->waitForFinished();
  }
}

void DesignJob::Start(Work work, bool background) {
  Start([work = std::move(work)](Control&) { return work(); }, background, 0);
}

void DesignJob::Start(CountedWork work, bool background, int parts) {
  Cancel();
  if (!background) {
    Control control;
    work(control)();
    return;
  }
  watcher_ = new QFutureWatcher<Show>(this);
  connect(watcher_, &QFutureWatcher<Show>::finished, this, &DesignJob::Finished);
  control_ = std::make_shared<Control>();
  parts_ = parts;
  busy_ = true;
  onBusy_(true);
  if (parts_ > 0) {
    TellProgress();
    progressTimer_.start();
  }
  watcher_->setFuture(QtConcurrent::run([work, control = control_] { return RunChecked(work, *control); }));
}

void DesignJob::TellProgress() {
  if (control_ && onProgress_) onProgress_(control_->done.load(), parts_);
}

void DesignJob::Cancel() {
  progressTimer_.stop();
  if (control_) control_->cancel = true;
  control_.reset();
  if (!watcher_) return;
  // A counted work stops at its next part, any other runs to its end; its
  // watcher goes, and its result with it.
  QFutureWatcher<Show>* old = watcher_;
  watcher_ = nullptr;
  old->disconnect(this);
  connect(old, &QFutureWatcher<Show>::finished, old, &QObject::deleteLater);
  if (old->isFinished()) old->deleteLater();
  busy_ = false;
  onBusy_(false);
}

void DesignJob::Wait() {
  if (watcher_) watcher_->waitForFinished();
  QCoreApplication::processEvents();
}

void DesignJob::Finished() {
  progressTimer_.stop();
  control_.reset();
  QFutureWatcher<Show>* done = watcher_;
  watcher_ = nullptr;
  const Show show = done->result();
  done->deleteLater();
  busy_ = false;
  f.Guarded([this, &show] {
    onBusy_(false);
    show();
  });
}
