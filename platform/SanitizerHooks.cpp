// LeakSanitizer cannot follow the encoded pointers fontconfig keeps its
// pattern caches behind, so every process that lays out text would report
// them as leaks at exit. Sanitizer builds of the library suppress exactly
// those reports: allocations made while Pango's font map fills its caches
// (it reaches fontconfig only through libpangoft2 and fontconfig's matching
// and substitution calls) and fontconfig's one-time configuration parse.
// A leak of ours that passes through fontconfig any other way is still
// reported. Matching on callers needs whole stacks, and fontconfig is built
// without frame pointers: run with ASAN_OPTIONS=fast_unwind_on_malloc=0
// (the asan test preset does), or the fast unwinder stops inside fontconfig
// and its cache allocations are reported. A program's own suppressions take
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
  return "leak:libpangoft2-1.0.so\n"
         "leak:FcFontRenderPrepare\n"
         "leak:FcFontSetMatch\n"
         "leak:FcFontSetSort\n"
         "leak:FcConfigSubstituteWithPat\n"
         "leak:FcDefaultSubstitute\n"
         "leak:XML_ParseBuffer\n";
}
#endif
