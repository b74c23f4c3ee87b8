#pragma once
// Package load and unload.
//
// The package's units are set up in a fixed order when the package is
// loaded and torn down in reverse order when it is unloaded:
//   FMX.VX.HelperFunctions, FMX.VX.DeltaFont, FMX.VX.CanvasHelper,
//   FMX.VX.Graphics, FMX.VX.HintWindow, FMX.VX.Platform.
// Each unit keeps its own load counter: its set-up runs on the first load
// only and its tear-down on the last unload only; the loads in between only
// count. An unload without a matching load does nothing.
//
// Loading the shared library loads the package once, and unloading it (or
// the end of the process) unloads it once, so most programs never call
// anything here. Hosts that manage the lifetime themselves call
// VXFMXCommonLoad and VXFMXCommonUnload in pairs.
//
// Load and unload on one thread (the GUI thread), like every other call of
// the library; nothing here locks.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "platform/Export.h"

namespace FMX::VX::Package {

// One unit of a package. Initialize and Finalize may be null: the unit has
// nothing to do then, but it still counts its loads.
struct TPackageUnit {
  const char* Name;
  void (*Initialize)();
  void (*Finalize)();
};

enum class TUnitPhase : std::uint8_t { Initialize, Finalize };

// Observer of set-up and tear-down, called just before a unit is set up
// (first load) or torn down (last unload), also for units that have nothing
// to do. Data is the pointer passed with the hook.
using TUnitTraceHook = void (*)(const char* UnitName, TUnitPhase Phase, void* Data);

// Load counting over a table of units, set up in table order and torn down
// in reverse. The counters (one per unit, zero to start with) belong to the
// caller, so that a loader can be a constant-initialised global that works
// before any constructor of the program has run.
class VXFMX_API TUnitLoader {
 public:
  constexpr TUnitLoader(std::span<const TPackageUnit> Units, std::span<int> Counters)
      : FUnits(Units), FCounters(Counters) {}

  // Counts a load of every unit and sets up those loaded for the first time.
  // When a set-up throws, the units this call has set up are torn down again
  // in reverse, every counter is back where it was, and the exception passes
  // to the caller.
  void Load();
  // Counts an unload of every loaded unit and tears down those unloaded for
  // the last time. Every due tear-down runs even when one throws; the first
  // exception is rethrown afterwards. Units not loaded are left alone.
  void Unload();

  std::span<const TPackageUnit> Units() const { return FUnits; }
  // The unit's load counter; -1 for an index or name not in the table.
  int LoadCount(std::size_t Index) const;
  int LoadCount(std::string_view UnitName) const;

  void SetTraceHook(TUnitTraceHook Hook, void* Data) {
    FTraceHook = Hook;
    FTraceData = Data;
  }

 private:
  void Release(std::size_t Index);

  std::span<const TPackageUnit> FUnits;
  std::span<int> FCounters;
  TUnitTraceHook FTraceHook = nullptr;
  void* FTraceData = nullptr;
};

// The package's units in set-up order.
VXFMX_API std::span<const TPackageUnit> PackageUnits();
// Load counter of one of the package's units; -1 for an unknown name.
VXFMX_API int UnitLoadCount(std::string_view UnitName);

// Load and unload the package, with the rules of TUnitLoader.
VXFMX_API void LoadPackage();
VXFMX_API void UnloadPackage();

// Watch the package's set-up and tear-down (null to stop). The hook stays in
// place until replaced and also sees the unload at the end of the process:
// reset it before whatever it writes to goes away.
VXFMX_API void SetUnitTraceHook(TUnitTraceHook Hook, void* Data = nullptr);

}  // namespace FMX::VX::Package

extern "C" {
// Loads the package: 1 when loaded, 0 when a unit failed to set up (nothing
// of that attempt stays loaded). Never throws.
VXFMX_API int VXFMXCommonLoad(void);
// Unloads the package; an unload without a matching load does nothing.
// Never throws.
VXFMX_API void VXFMXCommonUnload(void);
}
