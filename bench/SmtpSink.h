#pragma once
// A fast SMTP sink for the SMTP benchmark: accepts every command, swallows
// the message data with one search per received block, and counts what came
// in. Runs on its own thread with plain blocking sockets, so it costs the
// client under test as little as possible.
#include <QByteArray>
#include <QElapsedTimer>
#include <QProcess>
#include <QString>
#include <arpa/inet.h>
#include <atomic>
#include <cstdio>
#include <cstring>
#include <netinet/in.h>
#include <string>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

// Milliseconds curl takes to send the file to the sink as one mail, or a
// negative number when it fails (its error is printed).
inline double timeCurlSend(unsigned short port, const QString& path) {
    QProcess curl;
    QElapsedTimer t;
    t.start();
    curl.start("curl", {"-s", "-S", QStringLiteral("smtp://127.0.0.1:%1").arg(port), "--mail-from",
                        "a@b.example", "--mail-rcpt", "c@d.example", "-T", path});
    if (!curl.waitForFinished(120000) || curl.exitCode() != 0) {
        std::fprintf(stderr, "curl failed: %s\n", curl.readAllStandardError().constData());
        return -1;
    }
    return t.nsecsElapsed() / 1e6;
}

// At most size bytes of whole 80-byte CR LF lines with no leading periods,
// so every sender puts exactly these bytes on the wire.
inline QByteArray sinkText(int size) {
    const QByteArray line =
        "The quick brown fox jumps over the lazy dog; 0123456789 abcdefghijklmnopqrstu\r\n";
    QByteArray text;
    text.reserve(size);
    for (int i = 0; i < size / line.size(); ++i)
        text += line;
    return text;
}

class SmtpSink {
public:
    SmtpSink() {
        listener_ = ::socket(AF_INET, SOCK_STREAM, 0);
        int one = 1;
        ::setsockopt(listener_, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(listener_, reinterpret_cast<sockaddr*>(&a), sizeof a);
        ::listen(listener_, 8);
        socklen_t len = sizeof a;
        ::getsockname(listener_, reinterpret_cast<sockaddr*>(&a), &len);
        port_ = ntohs(a.sin_port);
        thread_ = std::thread([this] { run(); });
    }
    ~SmtpSink() {
        stop_ = true;
        ::shutdown(listener_, SHUT_RDWR);
        ::close(listener_);
        thread_.join();
    }
    unsigned short port() const { return port_; }
    // Message bytes of the last completed DATA, end-of-data line excluded.
    long long lastData() const { return lastData_; }
    int messages() const { return messages_; }

private:
    void run() {
        while (!stop_) {
            const int fd = ::accept(listener_, nullptr, nullptr);
            if (fd < 0)
                return;
            serve(fd);
            ::close(fd);
        }
    }

    static void say(int fd, const char* text) { ::send(fd, text, std::strlen(text), MSG_NOSIGNAL); }

    void serve(int fd) {
        say(fd, "220 sink ready\r\n");
        std::vector<char> block(1 << 20);
        std::string pending;
        bool inData = false;
        std::string carry; // the last bytes of data, to find an end split over blocks
        long long data = 0;
        for (;;) {
            const ssize_t n = ::recv(fd, block.data(), block.size(), 0);
            if (n <= 0)
                return;
            const char* p = block.data();
            size_t left = size_t(n);
            if (inData) {
                std::string joined = carry;
                joined.append(p, std::min<size_t>(left, 4));
                const char* end = nullptr;
                size_t skip = 0;
                if (auto* hit = static_cast<const char*>(
                        memmem(joined.data(), joined.size(), "\r\n.\r\n", 5))) {
                    skip = size_t(hit - joined.data()) + 5 - carry.size();
                    end = p; // found across the block boundary
                } else if (auto* hit2 = static_cast<const char*>(memmem(p, left, "\r\n.\r\n", 5))) {
                    skip = size_t(hit2 - p) + 5;
                    end = p;
                }
                if (!end) {
                    data += left;
                    std::string t = carry;
                    t.append(p + (left > 4 ? left - 4 : 0), p + left);
                    carry = t.substr(t.size() > 4 ? t.size() - 4 : 0);
                    continue;
                }
                data += skip - 3;
                lastData_ = data;
                ++messages_;
                inData = false;
                say(fd, "250 queued\r\n");
                p += skip;
                left -= skip;
            }
            pending.append(p, left);
            size_t lf;
            while (!inData && (lf = pending.find('\n')) != std::string::npos) {
                const std::string line = pending.substr(0, lf);
                pending.erase(0, lf + 1);
                if (line.compare(0, 4, "DATA") == 0) {
                    say(fd, "354 go ahead\r\n");
                    inData = true;
                    data = 0;
                    carry = "\r\n"; // the data may start with the end line
                    if (!pending.empty()) {
                        // Rare: data arrived with the command; count it simply.
                        data += pending.size();
                        pending.clear();
                    }
                } else if (line.compare(0, 4, "QUIT") == 0) {
                    say(fd, "221 bye\r\n");
                    return;
                } else {
                    say(fd, "250 OK\r\n");
                }
            }
        }
    }

    int listener_ = -1;
    unsigned short port_ = 0;
    std::thread thread_;
    std::atomic<bool> stop_{false};
    std::atomic<long long> lastData_{0};
    std::atomic<int> messages_{0};
};
