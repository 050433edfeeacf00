// Qt and the browser engine are not built with the thread sanitizer, so it cannot see their
// own synchronisation (Qt's mutexes are futexes) and reports their internal hand-offs as races.
// Only their own calls are set aside; the project's hand-offs to the window's thread go through
// its own mutexes, so reports in the project's code stay visible.
extern "C" const char* __tsan_default_suppressions() {
    return "called_from_lib:libQt6Core.so.6\n"
           "called_from_lib:libQt6Gui.so.6\n"
           "called_from_lib:libQt6WebEngineCore.so.6\n"
           "race:libQt6WebEngineCore.so.6\n"
           "race:libevent-2.1.so.7\n"
           "race:libudev.so.1\n"
           "race:QThreadPoolPrivate::enqueueTask\n"
           "race:QRunnable::create\n"
           "race:QWaitCondition\n";
}
