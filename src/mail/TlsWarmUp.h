#pragma once

// The first TLS connection of a process pays for loading the TLS backend and
// for the library's first certificate decoding: a quarter of a second of CPU
// that would otherwise land on the user-interface thread in the middle of the
// first send. The e-mail window starts this when it opens, so the work runs
// on a worker while the user writes the mail.
namespace tlswarmup {

// Starts the warm-up on a worker, once per process; later calls do nothing.
void start();

// Waits at most ms milliseconds for the warm-up to end; true when it has.
bool waitDone(int ms);

} // namespace tlswarmup
