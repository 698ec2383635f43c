#pragma once
#include <QObject>
#include <QString>

class QDBusConnection;

// Messages to the desktop's notification service
// (org.freedesktop.Notifications on the session bus), so a user on another
// workspace or with the sound off still learns of them. Never waits: where no
// service answers, nothing is shown and the caller's own window is all there is.
class DesktopNotifier : public QObject {
    Q_OBJECT
public:
    explicit DesktopNotifier(QString appName, QString iconName, QObject* parent = nullptr);
    // A notifier on another bus (tests run their own).
    DesktopNotifier(QString appName, QString iconName, const QDBusConnection& bus,
                    QObject* parent = nullptr);

    // Sends the notification; the answer arrives later as one of the signals.
    void notify(const QString& summary, const QString& body);
    // Sends it and waits for the service's answer, at most timeoutMs: for a
    // program about to end, with or without an event loop. True when shown.
    static bool notifyNow(const QString& appName, const QString& iconName, const QString& summary,
                          const QString& body, int timeoutMs);

signals:
    void delivered(uint id);
    void failed(const QString& reason);

private:
    QString appName_;
    QString iconName_;
    QString busName_;
};
