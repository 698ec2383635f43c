#pragma once
#include "mail/AddressBook.h"
#include "mail/AttachmentList.h"
#include "mail/EmailSettings.h"
#include "mail/PasswordSource.h"
#include "mail/TSmtpClient.h"

#include <QElapsedTimer>
#include <QObject>
#include <functional>
#include <memory>
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
// the checks of a send, the client and the reactions to its events. It
// listens to the client itself; the window reaches it only through MailView.
class MailSender {
public:
    MailSender(ControlFile& file, Prompts& prompts, QWidget* owner, MailView& view);
    ~MailSender();

    TSmtpClient& client() { return client_; }
    EmailSettings& settings() { return settings_; }
    // Where the sign-in password comes from; null: none can be had.
    void usePasswords(PasswordSource* source);

    // The Open dialog, then loadFile(); Cancel changes nothing.
    void chooseFile();
    // A file that is not text of its kind is never loaded as the body: the
    // user is offered to attach it instead.
    void loadFile(const QString& path);
    // The files the mail carries: the Open dialog for one more, or files
    // dropped on the list; one that cannot be read is told and left out.
    AttachmentList& attachments() { return attachments_; }
    void chooseAttachment();
    void attach(const QStringList& paths);
    void chooseType(MailView::FileType type);
    void send();
    void disconnect(); // asks first
    void closing();    // the window is closing
    // The window is showing: the TLS library gets ready on a worker while
    // the user writes, not in the middle of the first send.
    void opened();

    // The setup's port and the system's trust store are what users get; tests
    // and the benchmark point these at servers of their own on loopback.
    void usePort(quint16 port) { port_ = port; }
    void useTrustStore(const QList<QSslCertificate>& certificates) {
        client_.setTrustStore(certificates);
    }
    // Sends from this account instead of the stored one.
    void useAccount(const EmailSetup& setup) { account_ = setup; }
    // Waits at most this long for any step instead of the setup's time limit.
    void useTimeLimit(int ms) { timeLimitMs_ = ms; }

    bool fileChosen() const { return fileChosen_; }
    bool typeChosen() const { return typeChosen_; }
    bool richBody() const { return richBody_; }

private:
    void listen();
    void guard(const std::function<void()>& body);
    void startSending(const EmailSetup& setup);
    void told(const QString& text);
    // The notice exactly as shown, then the connection ended.
    void tell(const QString& shown);
    void disconnectIfConnected();
    QString withCause(const QString& text) const;
    void askForUserId(const QString& text);
    void askForConnection();
    void offerToAttach(const QString& path);

    // The setup has no sender address: asked before connecting; false when
    // none was given.
    bool askFromAddress();

    // The reactions to the client's events.
    void connected();
    void packetSent();
    void success();
    void failed(const QString& text);
    void signInFailed();
    void invalidHost();
    void recipientNotFound();
    void authenticationFailed(bool& handled);
    void connectionRequired(bool& handled);

    EmailSettings settings_;
    Prompts& prompts_;
    QWidget* owner_;
    MailView& view_;
    TSmtpClient client_;
    PasswordSource* passwords_ = nullptr;
    AttachmentList attachments_;
    // Answers that come after the sender is gone find this false.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
    // The two loaders' text in UTF-8; a file's own UTF-8 is kept as read.
    QByteArray plainText_;        // the plain text loader
    QByteArray richText_;         // the rich text loader's plain text
    QElapsedTimer progressShown_; // when the status line last showed the progress
    std::optional<quint16> port_;
    std::optional<EmailSetup> account_;
    std::optional<int> timeLimitMs_;
    EmailSetup signedIn_;      // host and user of the sign-in under way
    bool sendWaits_ = false;   // the mail goes out once the connect is done
    bool failureTold_ = false; // a notice already told the user of this failure
    bool askUserId_ = false;   // HELO was refused: ask once the session has ended
    bool askConnect_ = false;  // a send found no connection: ask once it has ended
    bool fileChosen_ = false;
    bool typeChosen_ = false;
    bool richBody_ = false;
};
