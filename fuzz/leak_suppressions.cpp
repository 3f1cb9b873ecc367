// Leaks the fuzz targets must not report: caches that a system library keeps
// for the life of the process and that its own stack frames allocate. The
// font library's pattern and language-set caches grow as new fonts are asked
// for and are never freed; the sanitizer, which cannot unwind through the
// library, reports them as leaks and stops the run. Nothing of this
// program's own code belongs here.

extern "C" const char *__lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}
