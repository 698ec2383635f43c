#include "icons/SaveAllFlow.h"

#include "context/Prompts.h"
#include "icons/IconSaver.h"

#include <QCoreApplication>
#include <QElapsedTimer>

namespace {
// The strings the user sees, translated under this name.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(SaveAllFlow)
};
} // namespace

SaveAllFlow::SaveAllFlow(Prompts& prompts, QWidget* owner) : prompts_(prompts), owner_(owner) {}

iconfolders::Created SaveAllFlow::createFolder(const QString& selected, const QString& name) {
    const iconfolders::Created result = iconfolders::create(prompts_, owner_, selected, name);
    if (result.outcome == iconfolders::Created::Made)
        folder_ = result.path;
    return result;
}

void SaveAllFlow::useSelected(const QString& selected) {
    folder_ = iconfolders::useSelected(prompts_, owner_, selected);
}

SaveAllFlow::Start SaveAllFlow::start() {
    if (folder_.isEmpty()) {
        prompts_.notice(
            owner_, Text::tr("First you have to create or select a folder to save the icons in!"));
        return Start::NeedFolder;
    }
    Prompts::Box box;
    box.caption = Text::tr("Save All Icons?");
    box.text = Text::tr("Are you sure you want to save all the Icons?");
    box.icon = Prompts::Icon::Question;
    box.buttons = Prompts::Yes | Prompts::No;
    if (prompts_.box(owner_, box) != Prompts::Yes)
        return Start::Declined;
    return Start::Started;
}

void SaveAllFlow::save(const QString& path, int count) {
    job_.cancel();
    job_.runReporting(
        [job = SaveAllJob(path, count, folder_), total = count](const Job::Stop& stop,
                                                                const Job::Report& report) {
            struct Saved {
                int written = 0;
                QImage last;
            } saved;
            // A report wakes the UI thread: one a frame is enough for the bar.
            QElapsedTimer clock;
            saved.written = job.run([&](int done, const QImage& icon) {
                if (!icon.isNull())
                    saved.last = icon;
                if (!clock.isValid() || clock.elapsed() >= 16 || done == total) {
                    report(done, total);
                    clock.start();
                }
                return !stop.requested();
            });
            return saved;
        },
        [this](int done, int total) { emit progress(total > 0 ? 100 * done / total : 100); },
        [this](const auto& saved) { emit finished(saved.written, saved.last); },
        [this](const QString& message) {
            prompts_.errorLater(owner_, message);
            emit failed(message);
        });
}

void SaveAllFlow::close() {
    cancel();
    folder_.clear();
}
