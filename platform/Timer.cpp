#include "platform/Timer.h"

#include <glib.h>

#include "platform/MainLoop.h"

namespace FMX {

TTimer::TTimer(TFmxObject* AOwner) : TFmxObject(AOwner) {}

TTimer::~TTimer() {
  if (FDestroyed) *FDestroyed = true;
  Disarm();
}

void TTimer::SetEnabled(bool Value) {
  if (Value == FEnabled) return;
  FEnabled = Value;
  Rearm();
}

void TTimer::SetInterval(std::uint32_t Value) {
  if (Value == FInterval) return;
  FInterval = Value;
  Rearm();
}

void TTimer::SetOnTimer(TNotifyEvent Value) {
  FOnTimer = std::move(Value);
  Rearm();
}

void TTimer::Disarm() {
  if (!FSource) return;
  g_source_destroy(FSource);
  g_source_unref(FSource);
  FSource = nullptr;
}

void TTimer::Rearm() {
  Disarm();
  if (!FEnabled || FInterval == 0 || !FOnTimer) return;
  FSource = g_timeout_source_new(FInterval);
  g_source_set_callback(FSource, &TTimer::Dispatch, this, nullptr);
  GMainContext* Context = g_main_context_ref_thread_default();
  g_source_attach(FSource, Context);
  g_main_context_unref(Context);
}

int TTimer::Dispatch(void* Data) {
  auto* Self = static_cast<TTimer*>(Data);
  // Keep a copy: the handler may replace OnTimer or free the timer.
  const TNotifyEvent Handler = Self->FOnTimer;
  // A handler that runs the loop itself can see this timer fire again
  // inside it (re-armed meanwhile): the flags of the nested dispatches
  // form a chain, and a destruction is passed out along it.
  bool Destroyed = false;
  bool* const Outer = Self->FDestroyed;
  Self->FDestroyed = &Destroyed;
  struct TClear {
    TTimer* Self;
    bool& Destroyed;
    bool* Outer;
    ~TClear() {
      if (!Destroyed) Self->FDestroyed = Outer;
      else if (Outer) *Outer = true;
    }
  } Clear{Self, Destroyed, Outer};
  GSource* Source = g_main_current_source();
  try {
    Handler(Self);
  } catch (...) {
    Detail::KeepLoopException();
  }
  // Whatever the handler did (disable, re-arm, delete), this source only
  // goes on while it is still the timer's current one.
  if (Destroyed || Self->FSource != Source) return G_SOURCE_REMOVE;
  return G_SOURCE_CONTINUE;
}

}  // namespace FMX
