#include "platform/MainLoop.h"

#include <glib.h>

#include <algorithm>
#include <exception>

namespace FMX {

namespace {

thread_local std::exception_ptr PendingException;

void RethrowPending() {
  if (!PendingException) return;
  std::exception_ptr E = PendingException;
  PendingException = nullptr;
  std::rethrow_exception(E);
}

// The thread-default context, held for one TMainLoop call.
class TContext {
 public:
  TContext() : FContext(g_main_context_ref_thread_default()) {}
  ~TContext() { g_main_context_unref(FContext); }
  TContext(const TContext&) = delete;
  TContext& operator=(const TContext&) = delete;
  GMainContext* Get() const { return FContext; }

 private:
  GMainContext* FContext;
};

gboolean SetFlag(gpointer Data) {
  *static_cast<bool*>(Data) = true;
  return G_SOURCE_REMOVE;
}

}  // namespace

namespace Detail {
void KeepLoopException() noexcept {
  if (!PendingException) PendingException = std::current_exception();
}
}  // namespace Detail

bool TMainLoop::RunUntil(const std::function<bool()>& Condition, TDuration Timeout) {
  TContext Context;
  if (Condition && Condition()) return true;
  bool TimedOut = false;
  // A source of our own wakes the blocking iteration at the deadline.
  // GLib counts in 32 bits: a longer timeout (49 days and more) is cut to
  // the longest it can wait, never wrapped round to a short one.
  const auto Ms = std::clamp<TDuration::rep>(Timeout.count(), 0, G_MAXUINT);
  GSource* Deadline = g_timeout_source_new(guint(Ms));
  g_source_set_callback(Deadline, &SetFlag, &TimedOut, nullptr);
  g_source_attach(Deadline, Context.Get());
  struct TRemove {
    GSource* S;
    ~TRemove() {
      g_source_destroy(S);
      g_source_unref(S);
    }
  } Remove{Deadline};
  bool Done = false;
  while (!TimedOut) {
    g_main_context_iteration(Context.Get(), TRUE);
    RethrowPending();
    if (Condition && Condition()) {
      Done = true;
      break;
    }
  }
  return Done || (Condition && Condition());
}

void TMainLoop::RunFor(TDuration Duration) { RunUntil(nullptr, Duration); }

int TMainLoop::ProcessMessages() {
  TContext Context;
  int Count = 0;
  while (Count < MaxProcessIterations && g_main_context_iteration(Context.Get(), FALSE)) {
    ++Count;
    RethrowPending();
  }
  return Count;
}

}  // namespace FMX
