// Leak reports the sanitizers would make about the libraries librsvg draws text with: the
// font configuration library keeps its font caches for the life of the process and frees
// them never, by design. Only those reports are suppressed; our own code stays checked.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
