#pragma once
#include "core/ControlFile.h"
#include "core/Opener.h"

#include <QString>
#include <optional>

class ControlFile;
class StripView;

// How a program or script on a button is started: the arguments as the
// user typed them (split as a shell would, never run through one), the
// working folder, and whether it runs in a terminal.
struct LaunchOptions {
    QString arguments;
    QString workingDir;
    bool terminal = false;

    bool isEmpty() const { return arguments.isEmpty() && workingDir.isEmpty() && !terminal; }
    Opener::Start start() const;
    bool operator==(const LaunchOptions&) const = default;
};

// The options in the control file, each in a section of its own keyed by
// the button's number: LAUNCHARGS, LAUNCHDIR, LAUNCHTERM ("True" or ""),
// and LAUNCHFOR, the target they were set for. A button given another
// target (dropped, deleted) leaves its options behind unused, so a file that
// never had these sections reads as it always did; Cut and Paste, swaps and
// moves to another table take them along.
class LaunchOptionsSettings {
public:
    static constexpr int ArgumentsLimit = 1024;
    static constexpr int PathLimit = 256;

    explicit LaunchOptionsSettings(ControlFile& file) : file_(file) {}

    // Button n's options, when they were set for target.
    LaunchOptions read(int n, const QString& target) const;
    // One replacement of the file; empty options empty the keys.
    void write(int n, const QString& target, const LaunchOptions& options);
    // What write() writes, for a caller that writes more in the same replacement.
    static QList<ControlFile::Entry> entries(int n, const QString& target,
                                             const LaunchOptions& options);

private:
    ControlFile& file_;
};

namespace launchoptions {

// Programs and scripts take options; documents, folders, addresses and
// desktop entries (which say their own) do not.
bool applies(const QString& target);
// The hint with the options after it, "HINT (arguments: ...; folder: ...;
// in a terminal)"; the hint alone when there are none.
QString hint(const QString& hint, const LaunchOptions& options);
// Why the options cannot be kept, for the user; nothing when they can.
std::optional<QString> refusal(const LaunchOptions& options);
// Keeps button n's options for its target and shows them in its hint, or
// says why not (and keeps what it had).
std::optional<QString> keep(ControlFile& file, StripView& view, int n, const QString& target,
                            const LaunchOptions& options);

} // namespace launchoptions

// The hint a loaded button shows: a desktop entry's localized Name and
// Comment instead of its file name, and the button's launch options.
namespace buttontexts {

QString forTarget(const QString& target, const QString& plainHint);
QString loaded(ControlFile& file, int n, const QString& target, const QString& plainHint);

} // namespace buttontexts
