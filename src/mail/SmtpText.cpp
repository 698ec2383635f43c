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

Verdict judge(int number, std::initializer_list<int> success, int refusedFrom) {
    for (const int code : success) {
        if (number == code)
            return Verdict::Accepted;
    }
    if (!hasReplyCode(number) || number >= refusedFrom)
        return Verdict::Refused;
    return Verdict::OutOfOrder;
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

QByteArray headerBlock(const TPostMessage& m, TMailType subType, const QString& charset,
                       bool eightBit) {
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
    addOptional(out, "Message-ID", m.MessageId);
    addLine(out, QStringLiteral("Mime-Version: 1.0"));
    addLine(out, contentTypeLine(subType, charset));
    if (eightBit)
        addLine(out, QStringLiteral("Content-Transfer-Encoding: 8bit"));
    out += "\r\n\r\n";
    return out;
}

namespace {
// One line of a body entry: its text, where the text ends (at the break or
// the entry's end), and where the next line starts (nullptr after the last).
struct Line {
    const char* text;
    const char* eol;
    const char* next;
};

Line lineAt(const char* p, const char* end) {
    // Two vectorised searches beat a byte loop on lines of usual length.
    const char* eol = static_cast<const char*>(std::memchr(p, '\n', end - p));
    if (!eol)
        eol = end;
    if (const void* cr = std::memchr(p, '\r', eol - p))
        eol = static_cast<const char*>(cr);
    const char* next = nullptr;
    if (eol != end)
        next = eol + ((*eol == '\r' && eol + 1 < end && eol[1] == '\n') ? 2 : 1);
    return {p, eol, next};
}

bool periodLed(const char* text, const char* eol) {
    return eol > text && *text == '.';
}
} // namespace

BodyStream::BodyStream(const QByteArrayList& body) : body_(body) {
    for (const QByteArray& e : body_) {
        const char* const end = e.constData() + e.size();
        for (const char* p = e.constData(); p;) {
            const Line l = lineAt(p, end);
            size_ += (l.eol - l.text) + periodLed(l.text, l.eol) + 2;
            p = l.next;
        }
    }
}

qsizetype BodyStream::read(char* out, qsizetype max) {
    qsizetype n = 0;
    while (n < max) {
        if (owed_ == Owed::Nothing) {
            if (!p_) {
                if (entry_ >= body_.size())
                    break;
                p_ = body_[entry_].constData();
                end_ = p_ + body_[entry_].size();
            }
            const Line l = lineAt(p_, end_);
            eol_ = l.eol;
            next_ = l.next;
            owed_ = periodLed(p_, eol_) ? Owed::Period : Owed::Text;
        }
        switch (owed_) {
        case Owed::Period:
            out[n++] = '.';
            owed_ = Owed::Text;
            break;
        case Owed::Text: {
            const qsizetype k = std::min<qsizetype>(eol_ - p_, max - n);
            std::memcpy(out + n, p_, size_t(k));
            p_ += k;
            n += k;
            if (p_ == eol_)
                owed_ = Owed::Cr;
            break;
        }
        case Owed::Cr:
            out[n++] = '\r';
            owed_ = Owed::Lf;
            break;
        case Owed::Lf:
            out[n++] = '\n';
            owed_ = Owed::Nothing;
            p_ = next_;
            if (!p_)
                ++entry_;
            break;
        case Owed::Nothing:
            break;
        }
    }
    return n;
}

QByteArray bodyText(const QByteArrayList& body) {
    BodyStream stream(body);
    QByteArray out(qsizetype(stream.size()), Qt::Uninitialized);
    out.resize(stream.read(out.data(), out.size()));
    return out;
}

} // namespace smtptext
