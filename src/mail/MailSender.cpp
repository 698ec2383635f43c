#include "mail/MailSender.h"
#include "mail/TlsWarmUp.h"

#include "context/Prompts.h"
#include "core/Error.h"
#include "mail/MailText.h"
#include "mail/MimeMessage.h"
#include "mail/SmtpErrors.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {
// The strings the user sees, translated under this name.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(MailSender)
};

const char* const kConnectError = QT_TRANSLATE_NOOP(
    "MailSender", "There was an error connecting to the host, the e-mail was not sent!");
// The end of the mail refused: the connection was fine, the message was not.
const char* const kMessageRefused = QT_TRANSLATE_NOOP(
    "MailSender", "The mail server refused the message, the e-mail was not sent!");
const char* const kNoPassword =
    QT_TRANSLATE_NOOP("MailSender", "No password was given for signing in to the mail "
                                    "server, so the e-mail was not sent");
} // namespace

MailSender::MailSender(ControlFile& file, Prompts& prompts, QWidget* owner, MailView& view)
    : settings_(file), prompts_(prompts), owner_(owner), view_(view) {
    listen();
}

MailSender::~MailSender() {
    // The client goes first: nothing it still says reaches a half-gone sender.
    client_.disconnect();
}

void MailSender::usePasswords(PasswordSource* source) {
    passwords_ = source;
}

void MailSender::chooseFile() {
    Prompts::FileDialog d;
    d.kind = Prompts::FileDialog::Open;
    d.title = Text::tr("Slect File to Send");
    d.filter = Text::tr("HTML Files (*.html *.htm);;Rich Edit Files (*.rtf);;"
                        "Text Files (*.txt);;All Files (*)");
    const std::optional<QString> path = prompts_.file(owner_, d);
    if (path)
        loadFile(*path);
}

void MailSender::loadFile(const QString& path) {
    const bool rich = mailtext::isRichFile(path);
    std::optional<QByteArray> text = mailtext::loadTextBody(path, rich);
    if (!text) {
        offerToAttach(path);
        return;
    }
    if (rich) {
        richText_ = std::move(*text);
        richBody_ = true;
        view_.showFileType(MailView::FileType::RichEdit);
        chooseType(MailView::FileType::RichEdit);
    } else {
        plainText_ = std::move(*text);
        richBody_ = false;
    }
    fileChosen_ = true;
}

// A picture or an archive as a text part would arrive destroyed; attached,
// it arrives byte for byte. Declined, nothing changes, as after Cancel.
void MailSender::offerToAttach(const QString& path) {
    const QString name = QFileInfo(path).fileName().replace(u'&', QStringLiteral("&&"));
    const Prompts::Box box{
        Text::tr("Attach File?"),
        Text::tr("%1 is not a text file of the chosen type, so as the text of the mail it would "
                 "arrive altered.\r\rAttach it to the mail instead, so that it arrives as it is?")
            .arg(name),
        Prompts::Icon::Question, Prompts::Yes | Prompts::No};
    if (prompts_.box(owner_, box) == Prompts::Yes)
        attach({path});
}

void MailSender::chooseAttachment() {
    Prompts::FileDialog d;
    d.kind = Prompts::FileDialog::Open;
    d.title = Text::tr("Attach File");
    d.mustExist = true;
    if (const std::optional<QString> path = prompts_.file(owner_, d))
        attach({*path});
}

void MailSender::attach(const QStringList& paths) {
    for (const QString& path : paths) {
        const QString refused = attachments_.add(path);
        if (!refused.isEmpty())
            prompts_.error(owner_, refused);
    }
}

void MailSender::chooseType(MailView::FileType type) {
    static constexpr TMailType subtypes[] = {mtHtml, mtEnriched, mtSgml, mtPlain};
    client_.SubType = subtypes[int(type)];
    richBody_ = type == MailView::FileType::RichEdit;
    typeChosen_ = true;
}

void MailSender::send() {
    if (!prompts_.confirm(owner_, Text::tr("Are you sure you want to send the e-mail now?")))
        return;
    const QString docEmail = settings_.docEmail();
    if (!docEmail.isEmpty())
        view_.setTo(docEmail);
    if (!view_.setupShown()) {
        prompts_.notice(owner_,
                        Text::tr("Before you can e-mail a file, you have to setup the e-mail!"));
        view_.focus(MailView::Field::Host);
        return;
    }
    if (view_.to().isEmpty()) {
        prompts_.notice(owner_, Text::tr("You have to enter the TO e-mail address!"));
        view_.focus(MailView::Field::To);
        return;
    }
    if (view_.subject().isEmpty()) {
        prompts_.notice(owner_, Text::tr("You have to enter a subject!"));
        view_.focus(MailView::Field::Subject);
        return;
    }
    // Files alone make a mail too; its text is then empty.
    if (!fileChosen_ && attachments_.isEmpty()) {
        prompts_.notice(owner_, Text::tr("You have to select a file to send!"));
        chooseFile();
        return;
    }
    const QByteArray body = !fileChosen_ ? QByteArray() : richBody_ ? richText_ : plainText_;
    const QString over = mimemessage::overLimit(body.size() + attachments_.totalSize());
    if (!over.isEmpty()) {
        prompts_.error(owner_, over);
        return;
    }
    fileChosen_ = false;
    const EmailSetup setup = account_ ? *account_ : settings_.read();
    if (setup.host.isEmpty())
        return;
    if (!typeChosen_)
        client_.SubType = mtPlain;
    client_.Host = setup.host;
    client_.Port = port_.value_or(setup.port);
    client_.Security = setup.security;
    client_.AuthUser = setup.authUser;
    client_.UserID = setup.userId;
    client_.TimeOut = timeLimitMs_.value_or(setup.timeLimit * 1000);

    TPostMessage& m = client_.PostMessage;
    m = TPostMessage{};
    richBody_ = false;
    m.FromAddress = setup.address;
    // Text beyond ASCII goes out as UTF-8 and says so; mail programs would
    // otherwise show it garbled.
    m.FromName = mailtext::headerWords(setup.name);
    m.ToAddress = QStringList{view_.to()};
    m.Subject = mailtext::headerWords(view_.subject());
    m.Date = mailtext::dateNow();
    m.MessageId = mailtext::newMessageId(setup.address);
    m.Body = QByteArrayList{body};
    // Asked now, before any connection waits on the user.
    if (m.FromAddress.isEmpty() && !askFromAddress()) {
        prompts_.error(owner_, Text::tr("Incomplete Header"));
        return;
    }
    m.Attachments = attachments_.files();
    const bool ascii = mailtext::isAscii(body) && mailtext::isAscii(view_.subject()) &&
                       mailtext::isAscii(setup.name);
    client_.Charset = ascii ? QStringLiteral("us-ascii") : QStringLiteral("utf-8");

    if (setup.authUser.isEmpty()) {
        startSending(setup);
        return;
    }
    if (!passwords_) {
        prompts_.error(owner_, Text::tr(kNoPassword));
        return;
    }
    // The keyring may answer later; the window may be gone by then.
    std::weak_ptr<bool> alive = alive_;
    passwords_->fetch(setup.host, setup.authUser,
                      [this, alive, setup](std::optional<QString> password) {
                          if (alive.expired())
                              return;
                          guard([&] {
                              if (!password) {
                                  prompts_.errorLater(owner_, Text::tr(kNoPassword));
                                  return;
                              }
                              client_.setPassword(*password);
                              password->fill(QChar(0));
                              startSending(setup);
                          });
                      });
}

void MailSender::startSending(const EmailSetup& setup) {
    signedIn_ = setup;
    failureTold_ = false;
    sendWaits_ = true;
    client_.Connect();
}

void MailSender::disconnect() {
    if (!prompts_.confirm(owner_, Text::tr("Are you sure you want to Disconnect now?")))
        return;
    disconnectIfConnected();
    view_.setStatusText(QString());
}

void MailSender::closing() {
    disconnectIfConnected();
    view_.setStatusText(QString());
    view_.showFileType(std::nullopt);
    typeChosen_ = false;
    richBody_ = false;
}

void MailSender::opened() {
    tlswarmup::start();
}

// Ends whatever the client waits for, at once: a lookup, a connection being
// opened, a reply, or the goodbye.
void MailSender::disconnectIfConnected() {
    sendWaits_ = false;
    const bool up = client_.Connected();
    if (!up && !client_.Busy())
        return;
    client_.Disconnect();
    // A connection still being opened says no goodbye of its own.
    if (!up)
        view_.setConnectionText(Text::tr("Disconnected"));
}

void MailSender::listen() {
    TSmtpClient* c = &client_;
    auto on = [this, c](auto signal, auto body) {
        QObject::connect(c, signal, c,
                         [this, body](auto&&... args) { guard([&] { body(args...); }); });
    };
    auto label = [this](const char* text) {
        return [this, text] { view_.setConnectionText(Text::tr(text)); };
    };
    on(&TSmtpClient::OnHostResolved, label(QT_TRANSLATE_NOOP("MailSender", "Host Resolved")));
    on(&TSmtpClient::OnConnect, [this] { connected(); });
    on(&TSmtpClient::OnSendStart, [this] {
        progressShown_.invalidate();
        view_.setConnectionText(Text::tr("Sending Message"));
    });
    on(&TSmtpClient::OnPacketSent, [this] { packetSent(); });
    on(&TSmtpClient::OnDisconnect, label(QT_TRANSLATE_NOOP("MailSender", "Disconnected")));
    on(&TSmtpClient::OnSuccess, [this] { success(); });
    on(&TSmtpClient::OnFailure, [this] {
        // The connection was fine: the server's own reason is what counts.
        const QString reason = smtperrors::shownReply(client_.Failure().reply);
        tell(Text::tr(kMessageRefused) + QStringLiteral("\r\r") +
             Text::tr("The server's reason: %1").arg(reason));
    });
    on(&TSmtpClient::OnConnectionFailed, [this] { told(Text::tr(kConnectError)); });
    on(&TSmtpClient::OnInvalidHost, [this](bool&) { invalidHost(); });
    on(&TSmtpClient::OnRecipientNotFound, [this](const QString&) { recipientNotFound(); });
    on(&TSmtpClient::OnAuthenticationFailed, [this](bool& h) { authenticationFailed(h); });
    on(&TSmtpClient::OnConnectionRequired, [this](bool& h) { connectionRequired(h); });
    // A missing header is asked before connecting (send()), never from
    // inside the client's event: left unhandled there, the client says so.
    on(&TSmtpClient::OnSignInFailed, [this] { signInFailed(); });
    on(&TSmtpClient::OnError, [this](const QString& text) { failed(text); });
    on(&TSmtpClient::OnWaiting, [this](SmtpStage stage) {
        if (stage != SmtpStage::Message) // the progress of the body says more
            view_.setStatusText(smtperrors::waitingFor(stage, client_.Host, client_.Port));
    });
}

// The client's events are entry points from Qt: an error ends the reaction
// and is shown in the general error box, and never crosses the client.
void MailSender::guard(const std::function<void()>& body) {
    try {
        body();
    } catch (const AppError& e) {
        prompts_.errorLater(owner_, e.text());
    }
}

void MailSender::connected() {
    view_.setConnectionText(Text::tr("Connected"));
    if (std::exchange(sendWaits_, false))
        client_.SendMail();
}

void MailSender::packetSent() {
    // A large file is hundreds of packets, and painting the status line for
    // each costs more than sending them: the first and the last packet are
    // shown, those between at most every kProgressMs, faster than one reads.
    constexpr qint64 kProgressMs = 40;
    const bool last = client_.BytesSent() >= client_.BytesTotal();
    if (!last && progressShown_.isValid() && !progressShown_.hasExpired(kProgressMs))
        return;
    progressShown_.start();
    view_.setStatusText(Text::tr("%1 bytes out of %2 transferred")
                            .arg(client_.BytesSent())
                            .arg(client_.BytesTotal()));
}

void MailSender::success() {
    disconnectIfConnected();
    client_.PostMessage.ToAddress.clear();
    client_.PostMessage.Body.clear();
    client_.PostMessage.Subject.clear();
    client_.PostMessage.Attachments.clear();
    attachments_.clear();
    view_.showFileType(std::nullopt);
    typeChosen_ = false;
    prompts_.noticeLater(owner_, Text::tr("The e-mail was sent, your done sending e-mail!"));
}

// The notice's own words, then the cause in plain words when the client knows it.
QString MailSender::withCause(const QString& text) const {
    const QString cause = smtperrors::words(client_.Failure());
    return cause.isEmpty() ? text : text + QStringLiteral("\r\r") + cause;
}

// A failure the client reports after an event whose notice already told the
// user of it is not told twice.
void MailSender::told(const QString& text) {
    tell(withCause(text));
}

void MailSender::tell(const QString& shown) {
    view_.setStatusText(QString());
    prompts_.noticeLater(owner_, shown);
    failureTold_ = true;
    disconnectIfConnected();
}

void MailSender::failed(const QString& text) {
    sendWaits_ = false;
    view_.setStatusText(QString());
    if (std::exchange(failureTold_, false))
        return;
    if (std::exchange(askUserId_, false)) {
        askForUserId(text);
        return;
    }
    if (std::exchange(askConnect_, false)) {
        askForConnection();
        return;
    }
    const QString cause = smtperrors::words(client_.Failure());
    prompts_.errorLater(owner_, cause.isEmpty() ? text
                                                : cause + QStringLiteral("\r\r") +
                                                      Text::tr("The e-mail was not sent."));
}

void MailSender::signInFailed() {
    if (passwords_)
        passwords_->forget(signedIn_.host, signedIn_.authUser);
}

void MailSender::invalidHost() {
    // Left unhandled: the client gives up on the host.
    told(Text::tr(kConnectError) + Text::tr("\rTry changing the Host."));
}

void MailSender::recipientNotFound() {
    const QString text = withCause(Text::tr("Could not find the Recipient (TO:) e-mail address, "
                                            "enter a new e-mail address!"));
    disconnectIfConnected();
    prompts_.noticeLater(owner_, text);
}

// Left unhandled, so the client ends the session; the user's answer, given
// without holding the connection open, starts the send again.
void MailSender::authenticationFailed(bool&) {
    askUserId_ = true;
}

void MailSender::askForUserId(const QString& text) {
    Prompts::Input in;
    in.caption = Text::tr("Authentication Failed");
    in.prompt = Text::tr("Invalid User ID. New User ID: ");
    in.initial = client_.UserID;
    const QString refused = smtperrors::words(client_.Failure());
    std::weak_ptr<bool> alive = alive_;
    prompts_.inputLater(owner_, in, [this, alive, text, refused](std::optional<QString> answer) {
        if (alive.expired())
            return;
        guard([&] {
            if (!answer) {
                prompts_.errorLater(owner_, refused.isEmpty() ? text : refused);
                return;
            }
            client_.UserID = *answer;
            startSending(signedIn_);
        });
    });
}

void MailSender::connectionRequired(bool&) {
    askConnect_ = true;
}

void MailSender::askForConnection() {
    const Prompts::Box box{Text::tr("Confirm"), Text::tr("Connection Required"),
                           Prompts::Icon::Question, Prompts::Yes | Prompts::No};
    std::weak_ptr<bool> alive = alive_;
    prompts_.boxLater(owner_, box, [this, alive](Prompts::Button answer) {
        if (alive.expired() || answer != Prompts::Yes)
            return;
        guard([&] { startSending(signedIn_); });
    });
}

bool MailSender::askFromAddress() {
    Prompts::Input in;
    in.caption = Text::tr("Missing From Address");
    in.prompt = Text::tr("Enter From Address: ");
    const std::optional<QString> answer = prompts_.input(owner_, in);
    if (!answer)
        return false;
    client_.PostMessage.FromAddress = *answer;
    return !answer->isEmpty();
}
