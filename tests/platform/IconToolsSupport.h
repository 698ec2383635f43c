#pragma once
// Runs icoutils for the icon reader tests: the independent reading that our
// results are compared with.
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <optional>

namespace icontools {

inline QString fixture(const QString& name) {
    return QStringLiteral(TABDECK_TEST_DATA "/platform/") + name;
}

inline std::optional<QString> run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit)
        return std::nullopt;
    return QString::fromLocal8Bit(p.readAllStandardOutput());
}

// The RT_GROUP_ICON names wrestool lists, in its order ("APPICON", "1", ...).
inline QStringList groupNames(const QString& file) {
    QStringList names;
    auto out =
        run(QStringLiteral("wrestool"), {QStringLiteral("-l"), QStringLiteral("--type=14"), file});
    if (!out)
        return names;
    static const QRegularExpression re(QStringLiteral("--name=('([^']*)'|(\\S+))"));
    for (const QString& line : out->split(u'\n', Qt::SkipEmptyParts)) {
        auto m = re.match(line);
        if (m.hasMatch())
            names << (m.captured(2).isEmpty() ? m.captured(3) : m.captured(2));
    }
    return names;
}

struct Extracted {
    int index = 0; // 1-based, as icotool numbers the images
    int width = 0;
    int height = 0;
    int bits = 0;
    QImage image;
};

// Every image of an .ico file as icotool -x writes it.
inline QList<Extracted> icoImages(const QString& ico, const QString& workDir) {
    QList<Extracted> out;
    const QString dir = workDir + QStringLiteral("/png");
    QDir().mkpath(dir);
    for (const QString& f : QDir(dir).entryList(QDir::Files))
        QFile::remove(dir + u'/' + f);
    if (!run(QStringLiteral("icotool"), {QStringLiteral("-x"), QStringLiteral("-o"), dir, ico}))
        return out;
    static const QRegularExpression re(QStringLiteral("_(\\d+)_(\\d+)x(\\d+)x(\\d+)\\.png$"));
    for (const QString& f : QDir(dir).entryList(QDir::Files)) {
        auto m = re.match(f);
        if (!m.hasMatch())
            continue;
        out.append({m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt(),
                    m.captured(4).toInt(),
                    QImage(dir + u'/' + f).convertToFormat(QImage::Format_ARGB32)});
    }
    std::sort(out.begin(), out.end(),
              [](const Extracted& a, const Extracted& b) { return a.index < b.index; });
    return out;
}

// The .ico wrestool makes of one group, or nothing when it cannot (a group
// whose images are missing).
inline std::optional<QString> extractGroup(const QString& file, const QString& name,
                                           const QString& workDir) {
    const QString out = workDir + QStringLiteral("/group.ico");
    QFile::remove(out);
    QProcess p;
    p.start(QStringLiteral("wrestool"),
            {QStringLiteral("-x"), QStringLiteral("--type=14"), QStringLiteral("--name=") + name,
             QStringLiteral("-o"), out, file});
    if (!p.waitForFinished(60000) || p.exitCode() != 0 || !QFileInfo(out).size())
        return std::nullopt;
    return out;
}

// Same pixels: equal alpha everywhere, equal colour where not transparent.
inline QString pixelDifference(const QImage& a, const QImage& b) {
    if (a.size() != b.size())
        return QStringLiteral("size %1x%2 vs %3x%4")
            .arg(a.width())
            .arg(a.height())
            .arg(b.width())
            .arg(b.height());
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            if (qAlpha(p) != qAlpha(q) || (qAlpha(p) != 0 && (p & 0xffffff) != (q & 0xffffff)))
                return QStringLiteral("pixel %1,%2: %3 vs %4")
                    .arg(x)
                    .arg(y)
                    .arg(p, 8, 16)
                    .arg(q, 8, 16);
        }
    return QString();
}

} // namespace icontools
