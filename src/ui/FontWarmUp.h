#pragma once

// Reads the desktop's font configuration off the user-interface thread
// while the windows are being built, so the first text that needs a font (a
// status bar's height, a label's paint) finds the font database ready
// instead of loading it on the user-interface thread. The font database
// serialises its own access, so the main thread simply waits for the rest if
// it gets there first. Nothing waits for the work: the application object's
// end waits for Qt's pool.
namespace fontwarmup {

// Starts the warm-up on a worker, once per process; later calls do nothing.
void start();

} // namespace fontwarmup
