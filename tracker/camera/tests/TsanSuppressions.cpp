// ThreadSanitizer's suppressions for the camera tests, built into the test program so every
// run has them. OpenCV's image codecs load GDAL, whose own start-up takes two of its locks in
// an order the sanitizer flags as a possible deadlock: GDAL's, not the suite's, and before any
// test runs.
extern "C" const char* __tsan_default_suppressions() {
    return "deadlock:libgdal.so\n";
}
