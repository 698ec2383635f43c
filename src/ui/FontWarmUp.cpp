#include "ui/FontWarmUp.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QThread>

FontWarmUp::FontWarmUp() {
    const QFont font = QGuiApplication::font();
    thread_.reset(QThread::create([font] {
        // Listing the families makes the platform database read the font
        // configuration and its caches, the costly part of the first font;
        // measuring the application font resolves its family and fallbacks.
        QFontDatabase::families();
        QFontMetrics(font).height();
    }));
    thread_->setObjectName(QStringLiteral("FontWarmUp"));
    thread_->start(QThread::LowPriority);
}

FontWarmUp::~FontWarmUp() {
    thread_->wait();
}
