#pragma once
// Running the GLib main loop of the calling thread: what delivers timers.
//
// Programs with their own loop (GTK, g_main_loop_run) need nothing from
// here. Programs without one, and tests, run the loop for a while or until
// something has happened:
//
//   TMainLoop::RunUntil([&] { return !Hint->Visible(); }, 5000ms);
//
// Every function iterates the thread-default main context (the global
// default on the main thread), blocking while nothing is due, and returns
// as soon as its end is reached; none of them sleeps beyond that.
//
// An exception thrown by an event handler (OnTimer) cannot pass through
// GLib: it is kept and rethrown by the TMainLoop call that ran the handler,
// after the iteration in which it was thrown.

#include <chrono>
#include <functional>

#include "platform/Export.h"

namespace FMX {

class VXFMX_API TMainLoop {
 public:
  using TDuration = std::chrono::milliseconds;

  // Runs the loop until Condition() is true (checked before the first
  // iteration and after each one) or Timeout has passed. Returns the last
  // value of Condition().
  static bool RunUntil(const std::function<bool()>& Condition, TDuration Timeout);
  // Runs the loop for Duration, delivering whatever comes due meanwhile.
  static void RunFor(TDuration Duration);
  // Delivers what is due now without blocking; returns how many iterations
  // dispatched something. A timer whose handler outlasts its interval is
  // due again at once: to return all the same, one call runs at most
  // MaxProcessIterations iterations.
  static int ProcessMessages();
  static constexpr int MaxProcessIterations = 100;
};

namespace Detail {
// Called by event dispatchers on the loop: keeps the first exception
// thrown by a handler for the running TMainLoop call to rethrow.
VXFMX_API void KeepLoopException() noexcept;
}  // namespace Detail

}  // namespace FMX
