#pragma once
#include <memory>

class QThread;

// Reads the desktop's font configuration on a second thread while the
// windows are being built, so the first text that needs a font (a status
// bar's height, a label's paint) finds the font database ready instead of
// loading it on the user-interface thread. Start it right after the
// application object; the font database serialises its own access, so the
// main thread simply waits for the rest if it gets there first.
class FontWarmUp {
public:
    FontWarmUp();
    // Waits for the thread: it must end before the application object does.
    ~FontWarmUp();
    FontWarmUp(const FontWarmUp&) = delete;
    FontWarmUp& operator=(const FontWarmUp&) = delete;

private:
    std::unique_ptr<QThread> thread_;
};
