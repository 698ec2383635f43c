#pragma once
#include "TempDir.h"
#include "context/AppContext.h"
#include "core/ControlFile.h"

#include <QApplication>
#include <QWidget>
#include <memory>

namespace testapp {

// The program's top-level window of a class, shown or not.
inline QWidget* topLevel(const char* className) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->inherits(className))
            return w;
    return nullptr;
}

// The context main() makes, for a program in `dir`; the control file it
// names is returned to the caller to keep.
inline std::unique_ptr<ControlFile> programContext(AppContext& context,
                                                   const testsupport::TempDir& dir,
                                                   Prompts& prompts, Opener& opener) {
    context = AppContext();
    context.paths = ProgramPaths::fromExecutable(dir.file("TabdeckV10"), dir.path());
    auto file = std::make_unique<ControlFile>(context.paths.controlFile);
    context.controlFile = file.get();
    context.prompts = &prompts;
    context.opener = &opener;
    return file;
}

} // namespace testapp
