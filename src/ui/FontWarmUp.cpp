#include "ui/FontWarmUp.h"

#include "core/Job.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <atomic>

namespace fontwarmup {

void start() {
    static std::atomic_bool started{false};
    if (started.exchange(true))
        return;
    Job::future([font = QGuiApplication::font()] {
        // Listing the families makes the platform database read the font
        // configuration and its caches, the costly part of the first font;
        // measuring the application font resolves its family and fallbacks.
        QFontDatabase::families();
        QFontMetrics(font).height();
    });
}

} // namespace fontwarmup
