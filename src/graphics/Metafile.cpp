#include "graphics/Metafile.h"

#include "core/Error.h"
#include "graphics/MetafileRecords.h"

#include <QCoreApplication>
#include <cmath>

namespace {
// The strings the user sees, translated under this name.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(Metafile)
};
} // namespace

using namespace metafile;

Metafile Metafile::fromBytes(const QByteArray& bytes) {
    const Bytes file(reinterpret_cast<const uchar*>(bytes.constData()), bytes.size());
    Metafile m;
    m.bytes_ = bytes;
    EmfHeader emf;
    WmfHeader wmf;
    if (readEmfHeader(file, emf)) {
        m.format_ = Format::Enhanced;
        // The frame is in 0.01 mm; pictures measure at 96 pixels per inch.
        const double w = (qint64(emf.frame.right()) - emf.frame.left()) * 96.0 / 2540.0;
        const double h = (qint64(emf.frame.bottom()) - emf.frame.top()) * 96.0 / 2540.0;
        m.size_ = QSize(int(std::clamp(std::lround(std::abs(w)), 0l, 1l << 30)),
                        int(std::clamp(std::lround(std::abs(h)), 0l, 1l << 30)));
    } else if (readWmfHeader(file, wmf)) {
        m.format_ = Format::Windows;
        m.size_ = QSize(int(std::lround(wmf.box.width() * 96.0 / wmf.unitsPerInch)),
                        int(std::lround(wmf.box.height() * 96.0 / wmf.unitsPerInch)));
    } else {
        throw AppError(Text::tr("Metafile is not valid"));
    }
    return m;
}

void Metafile::play(QPainter& painter, const QRectF& target) const {
    if (format_ == Format::Enhanced)
        playEmf(bytes_, painter, target);
    else
        playWmf(bytes_, painter, target);
}
