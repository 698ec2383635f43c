#pragma once
// The real strip window on a control file prepared by the test, in a
// temporary program folder, with scripted prompts and a recording opener;
// for the tests of what the window itself does (start-up, layout, loading,
// the helpers wired together).
#include "RecordingOpener.h"
#include "ScriptedPrompts.h"
#include "TempDir.h"
#include "context/AppContext.h"
#include "core/ControlFile.h"
#include "core/Opener.h"
#include "strip/BrokenTargets.h"
#include "strip/window/TForm1.h"

#include <QAction>
#include <QFileInfo>
#include <QStringList>
#include <functional>
#include <memory>

namespace startuptest {

struct Strip {
    testsupport::TempDir dir;
    std::unique_ptr<ControlFile> file;
    testsupport::ScriptedPrompts prompts;
    testsupport::RecordingOpener opener;
    AppContext context;
    std::unique_ptr<TForm1> form;
    bool menus = true;

    // ini: the control file's text, or nothing for a first start.
    // boxes: how many message boxes the start-up is expected to show.
    // prepare: makes the control file path into something else before the start.
    explicit Strip(const QByteArray& ini = QByteArray(), int boxes = 0,
                   const std::function<void(const QString&)>& prepare = {}) {
        context.paths = ProgramPaths::fromExecutable(dir.file("TabdeckV10"), dir.path());
        if (!ini.isEmpty())
            dir.write(QFileInfo(context.paths.controlFile).fileName(), ini);
        if (prepare)
            prepare(context.paths.controlFile);
        file = std::make_unique<ControlFile>(context.paths.controlFile);
        context.controlFile = file.get();
        context.prompts = &prompts;
        context.opener = &opener;
        for (int i = 0; i < boxes; ++i)
            prompts.expectBox();
        start();
    }
    // A new strip on the same folder and control file, as at the next start.
    void restart() {
        form.reset();
        start();
    }
    // The targets these tests name stand for programs and documents that
    // exist; a test about gone targets gives its own answer.
    void start() {
        form = std::make_unique<TForm1>(context);
        form->brokenTargets().setUsable([](const QString&) { return true; });
        // The strip makes its menus once it shows; these tests use them unshown.
        if (menus)
            form->makeMenus();
    }
    QAction* action(const QString& name) const { return form->findChild<QAction*>(name); }
    QString read(const char* section, const char* key) const {
        return file->read(QLatin1String(section), QLatin1String(key), 256).text;
    }
};

} // namespace startuptest
