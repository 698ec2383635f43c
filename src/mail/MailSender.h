#pragma once
#include "mail/AddressBook.h"
#include "mail/EmailSettings.h"
#include "mail/TSmtpClient.h"

#include <QElapsedTimer>
#include <QObject>
#include <optional>

class ControlFile;
class Prompts;
class QWidget;

// What the send and the client's events need of the e-mail window's controls.
class MailView {
public:
    enum class Field { Host, To, Subject, Edit1 };
    enum class FileType { Html, RichEdit, Sgml, Text }; // the order of Ftype1

    virtual ~MailView() = default;
    virtual QString to() const = 0;
    virtual void setTo(const QString& text) = 0;
    virtual QString subject() const = 0;
    // At least one of the current-setup labels shows a value.
    virtual bool setupShown() const = 0;
    // Focus into a field when it is showing.
    virtual void focus(Field field) = 0;
    virtual void showFileType(std::optional<FileType> type) = 0;
    virtual void setConnectionText(const QString& text) = 0;
    virtual void setStatusText(const QString& text) = 0;
};

// The e-mail window's work without its widgets: the flags, the two loaders,
// the checks of a send, the client and the reactions to its events.
class MailSender {
public:
    MailSender(ControlFile& file, Prompts& prompts, QWidget* owner, MailView& view);

    TSmtpClient& client() { return client_; }
    EmailSettings& settings() { return settings_; }

    // The Open dialog, then loadFile(); Cancel changes nothing.
    void chooseFile();
    void loadFile(const QString& path);
    void chooseType(MailView::FileType type);
    void send();
    void disconnect(); // asks first
    void closing();    // the window is closing

    // The mail port is 25; tests and the benchmark talk to servers elsewhere.
    void usePort(quint16 port) { port_ = port; }

    bool fileChosen() const { return fileChosen_; }
    bool typeChosen() const { return typeChosen_; }
    bool richBody() const { return richBody_; }

    // The reactions to the client's events.
    void hostResolved();
    void connected();
    void sendStart();
    void packetSent();
    void disconnected();
    void success();
    void failure();
    void connectionFailed();
    void invalidHost(bool& handled);
    void recipientNotFound(const QString& recipient);
    void authenticationFailed(bool& handled);
    void connectionRequired(bool& handled);
    void headerIncomplete(bool& handled, int hiType);

private:
    void disconnectIfConnected();

    EmailSettings settings_;
    Prompts& prompts_;
    QWidget* owner_;
    MailView& view_;
    TSmtpClient client_;
    // The two loaders' text in UTF-8; a file's own UTF-8 is kept as read.
    QByteArray plainText_;        // the plain text loader
    QByteArray richText_;         // the rich text loader's plain text
    QElapsedTimer progressShown_; // when the status line last showed the progress
    quint16 port_ = 25;
    bool fileChosen_ = false;
    bool typeChosen_ = false;
    bool richBody_ = false;
};
