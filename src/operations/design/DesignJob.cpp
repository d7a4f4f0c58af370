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
DesignJob::Show RunChecked(const DesignJob::Work& work) {
  try {
    FloatFaults::Clear();
    DesignJob::Show show = work();
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

DesignJob::DesignJob(Form& form, std::function<void(bool busy)> busy) : f(form), onBusy_(std::move(busy)) {}

DesignJob::~DesignJob() {
  if (watcher_) {
    watcher_->disconnect(this);
    watcher_->waitForFinished();
  }
}

void DesignJob::Start(Work work, bool background) {
  Cancel();
  if (!background) {
    work()();
    return;
  }
  watcher_ = new QFutureWatcher<Show>(this);
  connect(watcher_, &QFutureWatcher<Show>::finished, this, &DesignJob::Finished);
  busy_ = true;
  onBusy_(true);
  watcher_->setFuture(QtConcurrent::run([work] { return RunChecked(work); }));
}

void DesignJob::Cancel() {
  if (!watcher_) return;
  // The work cannot be stopped halfway; its watcher goes, and its result with it.
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
