#include "package/Package.h"

#include <exception>
#include <iterator>

#include "package/PackageUnits_p.h"

namespace FMX::VX::Package {

void TUnitLoader::Load() {
  std::size_t I = 0;
  try {
    for (; I < FUnits.size(); ++I) {
      if (++FCounters[I] != 1) continue;
      if (FTraceHook) FTraceHook(FUnits[I].Name, TUnitPhase::Initialize, FTraceData);
      if (FUnits[I].Initialize) FUnits[I].Initialize();
    }
  } catch (...) {
    --FCounters[I];  // the failing unit did not load
    while (I > 0) {
      --I;
      try {
        Release(I);
      } catch (...) {
        // The set-up's exception is the one the caller needs to see.
      }
    }
    throw;
  }
}

void TUnitLoader::Unload() {
  std::exception_ptr First;
  for (std::size_t I = FUnits.size(); I > 0;) {
    --I;
    try {
      Release(I);
    } catch (...) {
      if (!First) First = std::current_exception();
    }
  }
  if (First) std::rethrow_exception(First);
}

void TUnitLoader::Release(std::size_t Index) {
  if (FCounters[Index] <= 0 || --FCounters[Index] != 0) return;
  if (FTraceHook) FTraceHook(FUnits[Index].Name, TUnitPhase::Finalize, FTraceData);
  if (FUnits[Index].Finalize) FUnits[Index].Finalize();
}

int TUnitLoader::LoadCount(std::size_t Index) const { return Index < FCounters.size() ? FCounters[Index] : -1; }

int TUnitLoader::LoadCount(std::string_view UnitName) const {
  for (std::size_t I = 0; I < FUnits.size(); ++I)
    if (UnitName == FUnits[I].Name) return LoadCount(I);
  return -1;
}

namespace {

// Constant-initialised, so the loader is ready when the library's
// constructor runs, whatever order the library's files are initialised in.
constinit int PackageCounters[std::size(PackageUnitTable)] = {};
constinit TUnitLoader PackageLoader{PackageUnitTable, PackageCounters};

}  // namespace

std::span<const TPackageUnit> PackageUnits() { return PackageUnitTable; }
int UnitLoadCount(std::string_view UnitName) { return PackageLoader.LoadCount(UnitName); }
void LoadPackage() { PackageLoader.Load(); }
void UnloadPackage() { PackageLoader.Unload(); }
void SetUnitTraceHook(TUnitTraceHook Hook, void* Data) { PackageLoader.SetTraceHook(Hook, Data); }

}  // namespace FMX::VX::Package

extern "C" int VXFMXCommonLoad(void) {
  try {
    FMX::VX::Package::LoadPackage();
    return 1;
  } catch (...) {
    return 0;
  }
}

extern "C" void VXFMXCommonUnload(void) {
  try {
    FMX::VX::Package::UnloadPackage();
  } catch (...) {
    // Every due tear-down has run; there is no caller to tell.
  }
}

namespace {

// Loading the shared library loads the package; unloading it (dlclose or
// the end of the process) unloads it.
__attribute__((constructor)) void LoadOnLibraryLoad() { VXFMXCommonLoad(); }
__attribute__((destructor)) void UnloadOnLibraryUnload() { VXFMXCommonUnload(); }

}  // namespace
