// Work off the window's thread for the curves and the sweep. Start runs the
// work in a thread of its own and waits up to a short time (0.2 s) for it:
// quick work then shows at once, as if it had run on the window's thread.
// Longer work goes on in the background while the window stays responsive;
// the window's thread hands its result over (finish) when it ends. Cancel
// sets the flag the work watches and drops its result at once; the thread
// ends by itself as soon as the work sees the flag.
//
// The floating-point flags are each thread's own: the work's thread clears
// them before the work and checks them after it, as an operation of the
// window does. An error the work ends with, and one its finish meets, is
// handed to the guard on the window's thread (Form::Guarded: it shows the
// error as any operation's); without a guard they are dropped with the
// result.
#pragma once

#include <QObject>
#include <QTimer>
#include <chrono>
#include <functional>
#include <memory>
#include <vector>

#include "calc/curves/Sweep.h"

class BackgroundWork : public QObject {
 public:
  // work runs in its own thread: it reads control.cancel (and may pass it
  // into its calculations) and counts its finished parts in control.done.
  using Work = std::function<void(curves::SweepControl& control)>;
  // finish runs on the window's thread once the work has ended uncancelled.
  using Finish = std::function<void()>;

  // Runs an operation of the window's thread as the window runs a click's.
  using Guard = std::function<void(const std::function<void()>& op)>;

  // busyChanged is told whenever work starts or stops being awaited.
  explicit BackgroundWork(std::function<void()> busyChanged, Guard guard = nullptr);
  // Cancels what runs and waits for the threads to end.
  ~BackgroundWork() override;

  // Cancels the work that runs, starts work, and returns once it has ended
  // (finish has then run) or after wait (finish runs later). parts: how
  // many parts control.done counts up to, 0 when the work cannot tell.
  void Start(Work work, Finish finish, int parts = 0,
             std::chrono::milliseconds wait = std::chrono::milliseconds(200));
  // Drops the result of the work that runs and asks it to stop.
  void Cancel();

  // Work runs whose result is awaited.
  bool Busy() const { return current_ != nullptr; }
  // Finished parts out of the parts, or -1 when the work cannot tell.
  double Progress() const;

 private:
  struct Job;
  void Poll();
  void Retire();

  std::function<void()> busyChanged_;
  Guard guard_;
  std::shared_ptr<Job> current_;
  std::vector<std::shared_ptr<Job>> retiring_;  // cancelled, their threads not yet ended
  QTimer timer_;
};
