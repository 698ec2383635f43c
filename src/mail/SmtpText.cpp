#include "mail/SmtpText.h"

#include <cstring>

namespace smtptext {

QString fieldText(const QString& value) {
    QString out = value;
    for (QChar& c : out) {
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            c = QLatin1Char(' ');
    }
    return out;
}

QString bareAddress(const QString& entry) {
    const qsizetype lt = entry.indexOf(QLatin1Char('<'));
    if (lt >= 0) {
        const qsizetype gt = entry.indexOf(QLatin1Char('>'), lt + 1);
        return gt < 0 ? entry.mid(lt + 1) : entry.mid(lt + 1, gt - lt - 1);
    }
    const qsizetype colon = entry.indexOf(QLatin1Char(':'));
    if (colon >= 0) {
        const qsizetype next = entry.indexOf(QLatin1Char(':'), colon + 1);
        return next < 0 ? entry.mid(colon + 1) : entry.mid(colon + 1, next - colon - 1);
    }
    return entry;
}

int replyNumber(const QByteArray& line) {
    qint64 value = 0;
    const qsizetype n = std::min<qsizetype>(line.size(), 10);
    for (qsizetype i = 0; i < n; ++i) {
        const char c = line[i];
        if (c < '0' || c > '9')
            break;
        value = value * 10 + (c - '0');
    }
    return value > 32767 ? 32767 : int(value);
}

bool continues(const QByteArray& line) {
    return line.startsWith(' ') || (line.size() >= 4 && line[3] == '-');
}

bool hasReplyCode(int number) {
    return number >= 100 && number <= 999;
}

QString contentTypeLine(TMailType subType, const QString& charset) {
    const char* type = "text/plain";
    switch (subType) {
    case mtPlain:
        break;
    case mtEnriched:
        type = "text/enriched";
        break;
    case mtSgml:
        type = "text/sgml";
        break;
    case mtTabSeperated:
        type = "text/tab-separated-values";
        break;
    case mtHtml:
        type = "text/html";
        break;
    }
    return QStringLiteral("Content-Type: %1; charset=%2")
        .arg(QLatin1String(type), fieldText(charset));
}

namespace {
void addLine(QByteArray& out, const QString& line) {
    out += fieldText(line).toUtf8();
    out += "\r\n";
}
void addOptional(QByteArray& out, const char* name, const QString& value) {
    if (!value.isEmpty())
        addLine(out, QLatin1String(name) + QStringLiteral(": ") + value);
}
} // namespace

QByteArray headerBlock(const TPostMessage& m, TMailType subType, const QString& charset) {
    QByteArray out;
    addLine(out, QStringLiteral("From: ") + m.FromName + QLatin1Char('<') + m.FromAddress +
                     QLatin1Char('>'));
    if (!m.ToAddress.isEmpty()) {
        QStringList entries;
        for (const QString& e : m.ToAddress)
            entries << fieldText(e);
        addLine(out, QStringLiteral("To: ") + entries.join(QLatin1Char(',')));
    }
    addOptional(out, "Subject", m.Subject);
    addOptional(out, "X-Mailer", m.LocalProgram);
    addOptional(out, "Reply-To", m.ReplyTo);
    addOptional(out, "Date", m.Date);
    addLine(out, QStringLiteral("Mime-Version: 1.0"));
    addLine(out, contentTypeLine(subType, charset));
    out += "\r\n\r\n";
    return out;
}

namespace {
// Appends one entry and its closing CR LF: lines copied in bulk, breaks
// normalised, leading periods doubled.
void addEntry(QByteArray& out, const QByteArray& text) {
    const char* p = text.constData();
    const char* const end = p + text.size();
    for (;;) {
        // Two vectorised searches beat a byte loop on lines of usual length.
        const char* eol = static_cast<const char*>(std::memchr(p, '\n', end - p));
        if (!eol)
            eol = end;
        if (const void* cr = std::memchr(p, '\r', eol - p))
            eol = static_cast<const char*>(cr);
        if (eol > p && *p == '.')
            out += '.';
        out.append(p, eol - p);
        out += "\r\n";
        if (eol == end)
            return;
        p = eol + ((*eol == '\r' && eol + 1 < end && eol[1] == '\n') ? 2 : 1);
    }
}
} // namespace

QByteArray bodyText(const QByteArrayList& body) {
    qsizetype size = 0;
    for (const QByteArray& e : body)
        size += e.size();
    QByteArray out;
    out.reserve(size + size / 16 + 2 * body.size() + 16);
    for (const QByteArray& e : body)
        addEntry(out, e);
    return out;
}

} // namespace smtptext
