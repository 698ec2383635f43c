#pragma once
#include <QByteArray>
#include <QFile>
#include <QString>
#include <algorithm>
#include <vector>

// The middle of a benchmark's timings: one slow run from a busy machine
// does not move it.
inline double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// A benchmark's input file, written whole or not at all reported.
inline bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}
