// Fontconfig keeps its caches until the process ends and never frees them;
// LeakSanitizer would report that in every window test. Nothing of ours is
// suppressed. The name is the sanitizer runtime's hook, reserved as it is.
extern "C" const char* __lsan_default_suppressions() {  // NOLINT(bugprone-reserved-identifier)
  return "leak:libfontconfig.so\n";
}
