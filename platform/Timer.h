#pragma once
// A repeating timer delivered by the GLib main loop.
//
// While Enabled, Interval > 0 and OnTimer is set, the timer fires every
// Interval milliseconds on the thread that armed it: the GLib main context
// that is the thread's default when the timer is armed (the global default
// context on the main thread) must be running, e.g. under g_main_loop_run,
// a GTK program's loop, or TMainLoop. Changing Enabled, Interval or OnTimer
// re-arms the timer, so the next event comes a full interval later.
//
// Guarantees:
// - OnTimer never runs after the timer is destroyed or disabled, also when
//   an event was already due; a handler may disable or delete the timer
//   (and its owner) from inside OnTimer.
// - Nothing is delivered from inside the setters: events come only from the
//   main loop.

#include <cstdint>

#include "platform/Export.h"
#include "platform/FmxObject.h"

typedef struct _GSource GSource;

namespace FMX {

class VXFMX_API TTimer : public TFmxObject {
 public:
  static constexpr std::uint32_t DefaultInterval = 1000;  // milliseconds

  explicit TTimer(TFmxObject* AOwner = nullptr);
  ~TTimer() override;

  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  std::uint32_t Interval() const { return FInterval; }
  void SetInterval(std::uint32_t Value);
  const TNotifyEvent& OnTimer() const { return FOnTimer; }
  void SetOnTimer(TNotifyEvent Value);

  // True while an event is scheduled with the main loop.
  bool Armed() const { return FSource != nullptr; }

 private:
  static int Dispatch(void* Data);
  void Rearm();
  void Disarm();

  TNotifyEvent FOnTimer;
  GSource* FSource = nullptr;
  bool* FDestroyed = nullptr;  // set while OnTimer runs: tells Dispatch that we are gone
  std::uint32_t FInterval = DefaultInterval;
  bool FEnabled = true;
};

}  // namespace FMX
