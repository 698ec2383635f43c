#pragma once
// An SMTP server for tests, on loopback in the test's own thread: the client's
// waits are local event loops, so they drive this server too. By default it
// answers like a willing server; a test queues other answers per command.
#include <QByteArray>
#include <QList>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <deque>

namespace testsupport {

class SmtpScriptServer : public QObject {
    Q_OBJECT
public:
    struct Answer {
        enum Action { Reply, ReplyAndClose, Silent };
        QByteArray bytes;
        Action action = Reply;
    };

    SmtpScriptServer();
    quint16 port() const { return server_.serverPort(); }

    // What a new connection hears first (default "220 test ready").
    SmtpScriptServer& greet(const QByteArray& bytes, Answer::Action action = Answer::Reply);
    // The next line that starts with `verb` ("HELO", "RCPT", ".", ...) gets
    // this answer instead of the default; answers for one verb queue up.
    SmtpScriptServer& on(const QByteArray& verb, const QByteArray& bytes,
                         Answer::Action action = Answer::Reply);
    // Closes the connection once this many bytes of message data came in.
    SmtpScriptServer& closeInDataAfter(qint64 bytes);

    // Command lines received on every connection, without CR LF, "." for the
    // end of data; connections are separated by a line "<connect>".
    const QList<QByteArray>& lines() const { return lines_; }
    // Command lines of connection n (0-based).
    QList<QByteArray> linesOf(int connection) const;
    // The message data of the last DATA, up to and including the CR LF
    // before the end-of-data line.
    const QByteArray& data() const { return data_; }
    // Every byte received, in order, over all connections.
    const QByteArray& received() const { return received_; }
    int connections() const { return connections_; }
    bool peerOpen() const { return peer_ && peer_->state() == QAbstractSocket::ConnectedState; }

signals:
    // A line was received and answered (or left unanswered).
    void answered(const QByteArray& line, bool silent);
    void greeted(bool silent);

private:
    void accept();
    void readPeer();
    void handleLine(const QByteArray& line);
    void perform(const Answer& a);
    Answer defaultAnswer(const QByteArray& line) const;

    QTcpServer server_;
    QPointer<QTcpSocket> peer_;
    Answer greeting_{"220 test ready\r\n", Answer::Reply};
    QMap<QByteArray, std::deque<Answer>> answers_;
    QList<QByteArray> lines_;
    QByteArray pending_;
    QByteArray data_;
    QByteArray received_;
    bool inData_ = false;
    qint64 closeInData_ = -1;
    int connections_ = 0;
};

} // namespace testsupport
