// Runs a design calculation for the window: at once when it is quick, on a
// worker thread when it may take longer than the window should stand still
// (a pipe-flow solve takes a quarter of a second and more). The work gets
// only values (the case read from a copy of the window) and returns what
// the window is to show; that runs on the window's thread when the work
// ends, so no field is written meanwhile. Cancel forgets the running work:
// its result is dropped when it ends, and the window is free at once; a
// work that counts its parts (an economic table, row by row) also stops at
// its next part, and tells how far it is.
#pragma once

#include <QFutureWatcher>
#include <QObject>
#include <QTimer>
#include <atomic>
#include <functional>
#include <memory>

class Form;

class DesignJob : public QObject {
  Q_OBJECT
 public:
  // Shows the result on the window's thread.
  using Show = std::function<void()>;
  // Calculates; called on a worker thread when in the background.
  using Work = std::function<Show()>;
  // What a counted work watches and counts: Cancel sets cancel, and the
  // work counts its finished parts in done.
  struct Control {
    std::atomic<bool> cancel{false};
    std::atomic<int> done{0};
  };
  using CountedWork = std::function<Show(Control& control)>;

  // busy(true) when background work starts, busy(false) when it ends or is
  // cancelled.
  DesignJob(Form& form, std::function<void(bool busy)> busy);
  ~DesignJob() override;

  // background false: the work and its result now, inside the current
  // operation. true: the work on a worker thread; its result is shown in an
  // operation of its own (an error ends it with its message, as a click's).
  // A work still running is cancelled first.
  void Start(Work work, bool background);
  // The same for a work of `parts` parts that counts them and returns soon
  // after a cancel (its result is dropped). In the background the progress
  // is told (OnProgress) every tenth of a second.
  void Start(CountedWork work, bool background, int parts);
  void OnProgress(std::function<void(int done, int parts)> progress) { onProgress_ = std::move(progress); }
  void Cancel();
  bool Busy() const { return busy_; }
  // Waits for the running work (tests, closing the window).
  void Wait();

 private:
  void Finished();

  void TellProgress();

  Form& f;
  std::function<void(bool)> onBusy_;
  std::function<void(int, int)> onProgress_;
  QFutureWatcher<Show>* watcher_ = nullptr;
  std::shared_ptr<Control> control_;  // of the running work
  int parts_ = 0;
  QTimer progressTimer_;
  bool busy_ = false;
};
