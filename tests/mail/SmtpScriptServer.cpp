#include "SmtpScriptServer.h"

namespace testsupport {

SmtpScriptServer::SmtpScriptServer() {
    connect(&server_, &QTcpServer::newConnection, this, &SmtpScriptServer::accept);
    server_.listen(QHostAddress::LocalHost, 0);
}

SmtpScriptServer& SmtpScriptServer::greet(const QByteArray& bytes, Answer::Action action) {
    greeting_ = {bytes, action};
    return *this;
}

SmtpScriptServer& SmtpScriptServer::on(const QByteArray& verb, const QByteArray& bytes,
                                       Answer::Action action) {
    answers_[verb].push_back({bytes, action});
    return *this;
}

SmtpScriptServer& SmtpScriptServer::closeInDataAfter(qint64 bytes) {
    closeInData_ = bytes;
    return *this;
}

QList<QByteArray> SmtpScriptServer::linesOf(int connection) const {
    QList<QByteArray> out;
    int n = -1;
    for (const QByteArray& l : lines_) {
        if (l == "<connect>")
            ++n;
        else if (n == connection)
            out << l;
    }
    return out;
}

void SmtpScriptServer::accept() {
    while (QTcpSocket* s = server_.nextPendingConnection()) {
        if (peer_) {
            peer_->disconnect(this);
            peer_->abort();
            peer_->deleteLater();
        }
        peer_ = s;
        ++connections_;
        lines_ << "<connect>";
        pending_.clear();
        inData_ = false;
        connect(s, &QTcpSocket::readyRead, this, &SmtpScriptServer::readPeer);
        perform(greeting_);
        emit greeted(greeting_.action == Answer::Silent);
    }
}

void SmtpScriptServer::readPeer() {
    if (!peer_)
        return;
    const QByteArray bytes = peer_->readAll();
    received_ += bytes;
    pending_ += bytes;
    for (;;) {
        if (inData_) {
            if (closeInData_ >= 0 && pending_.size() >= closeInData_) {
                closeInData_ = -1;
                peer_->abort();
                return;
            }
            // The data starts right after the 354, with the header, so its
            // end is always a CR LF followed by the end-of-data line.
            const qsizetype end = pending_.indexOf("\r\n.\r\n");
            if (end < 0)
                return;
            data_ = pending_.left(end + 2);
            pending_.remove(0, end + 5);
            inData_ = false;
            handleLine(".");
            continue;
        }
        const qsizetype lf = pending_.indexOf('\n');
        if (lf < 0 || !peer_)
            return;
        QByteArray line = pending_.left(lf + 1);
        pending_.remove(0, lf + 1);
        line.chop(line.endsWith("\r\n") ? 2 : 1);
        handleLine(line);
        if (!peer_ || peer_->state() != QAbstractSocket::ConnectedState)
            return;
    }
}

void SmtpScriptServer::handleLine(const QByteArray& line) {
    lines_ << line;
    Answer a = defaultAnswer(line);
    for (auto it = answers_.begin(); it != answers_.end(); ++it) {
        if (line.startsWith(it.key()) && !it->empty()) {
            a = it->front();
            it->pop_front();
            break;
        }
    }
    if (line.startsWith("DATA") && a.bytes.startsWith("354") && a.action == Answer::Reply)
        inData_ = true;
    perform(a);
    emit answered(line, a.action == Answer::Silent);
}

SmtpScriptServer::Answer SmtpScriptServer::defaultAnswer(const QByteArray& line) const {
    if (line.startsWith("DATA"))
        return {"354 go ahead\r\n"};
    if (line.startsWith("QUIT"))
        return {"221 bye\r\n", Answer::ReplyAndClose};
    if (line.startsWith("EHLO"))
        return {"500 not here\r\n"};
    return {"250 OK\r\n"};
}

void SmtpScriptServer::perform(const Answer& a) {
    if (!peer_ || a.action == Answer::Silent)
        return;
    peer_->write(a.bytes);
    if (a.action == Answer::ReplyAndClose) {
        peer_->flush();
        peer_->disconnectFromHost();
    }
}

} // namespace testsupport
