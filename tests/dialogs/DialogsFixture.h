#pragma once
#include "RecordingOpener.h"
#include "ScriptedPrompts.h"
#include "TempDir.h"
#include "context/AppContext.h"
#include "core/ControlFile.h"

#include <memory>

namespace testdialogs {

// A program folder of its own with a control file, scripted prompts and a
// recording opener, as the small windows are handed them.
struct Fixture {
    testsupport::TempDir dir;
    testsupport::ScriptedPrompts prompts;
    testsupport::RecordingOpener opener;
    AppContext context;
    std::unique_ptr<ControlFile> file;

    Fixture() {
        context.paths =
            ProgramPaths::fromExecutable(dir.file(QStringLiteral("TabdeckV10")), dir.path());
        file = std::make_unique<ControlFile>(context.paths.controlFile);
        context.controlFile = file.get();
        context.prompts = &prompts;
        context.opener = &opener;
    }
};

} // namespace testdialogs
