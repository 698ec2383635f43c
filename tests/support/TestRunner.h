#pragma once

namespace testsupport {
// Runs the registered test classes (all, or the one after -class) and
// returns the process's exit status. The mains make the application first.
int runTests(int argc, char** argv);
} // namespace testsupport
