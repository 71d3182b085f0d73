// Fontconfig keeps its caches until the process ends and never frees them;
// LeakSanitizer would report that in every window test. Nothing of ours is
// suppressed.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libfontconfig.so\n";
}
