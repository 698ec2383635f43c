#pragma once
// What the icon tool tests share: a context over a temporary control file
// and scripted prompts, and the fixtures of the platform tests.
#include "ScriptedPrompts.h"
#include "TempDir.h"
#include "context/AppContext.h"
#include "core/ControlFile.h"

#include <QString>
#include <memory>

namespace iconstest {

inline QString fixture(const QString& name) {
    return QStringLiteral(TABDECK_TEST_DATA "/platform/") + name;
}

struct Context {
    testsupport::TempDir dir;
    testsupport::ScriptedPrompts prompts;
    std::unique_ptr<ControlFile> controlFile;
    AppContext app;

    Context() {
        controlFile = std::make_unique<ControlFile>(dir.file(QStringLiteral("TabdeckV10.INI")));
        app.controlFile = controlFile.get();
        app.prompts = &prompts;
    }
    // Every box shown was expected and every expected box was shown.
    bool scriptAnswered() const { return prompts.unexpectedCount() == 0 && prompts.allUsed(); }
};

} // namespace iconstest
