// LeakSanitizer cannot follow the encoded pointers fontconfig keeps its
// pattern caches behind, so every process that lays out text would report
// them as leaks at exit. Sanitizer builds of the library suppress exactly
// those reports; a program that defines its own suppressions takes
// precedence. Nothing here exists in ordinary builds.

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VXFMX_LSAN_HOOK 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define VXFMX_LSAN_HOOK 1
#endif

#ifdef VXFMX_LSAN_HOOK
extern "C" __attribute__((visibility("default"))) const char* __lsan_default_suppressions() {
  return "leak:libfontconfig.so\n";
}
#endif
