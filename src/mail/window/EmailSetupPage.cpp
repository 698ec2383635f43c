#include "mail/window/EmailSetupPage.h"

#include "mail/window/PageParts.h"
#include "ui/Captions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

using namespace pageparts;

EmailSetupPage::EmailSetupPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Panel4"));
    auto* g = tightGrid(this);
    g->addWidget(heading(tr("Setup E-mail"), this), 0, 0, 1, 5);
    host1 = edit("Host1", this);
    userId1 = edit("UserID1", this);
    eaddress1 = edit("Eaddress1", this);
    yname1 = edit("Yname1", this);
    const struct {
        const char* caption;
        QLineEdit* edit;
        QString example;
    } rows[] = {{QT_TRANSLATE_NOOP("EmailSetupPage", "Enter you e-mail host:"), host1,
                 tr("Example: ") + kExampleHost},
                {QT_TRANSLATE_NOOP("EmailSetupPage", "Enter your User ID:"), userId1,
                 tr("Example: Your password")},
                {QT_TRANSLATE_NOOP("EmailSetupPage", "Enter your e-mail address:"), eaddress1,
                 tr("Example: ") + kExampleAddress},
                {QT_TRANSLATE_NOOP("EmailSetupPage", "Enter your name:"), yname1, QString()}};
    int r = 1;
    for (const auto& row : rows) {
        fitTypicalValue(row.edit);
        g->addWidget(captions::make(tr(row.caption), row.edit, this), r, 0);
        g->addWidget(row.edit, r, 1);
        g->addWidget(new QLabel(row.example, this), r, 2);
        ++r;
    }

    // How to reach the server: port, security, and the account to sign in with.
    port1 = new QSpinBox(this);
    port1->setObjectName(QStringLiteral("Port1"));
    port1->setRange(1, 65535);
    port1->setValue(usualPort(MailSecurity::StartTls));
    security1 = new QComboBox(this);
    security1->setObjectName(QStringLiteral("Security1"));
    for (MailSecurity s : {MailSecurity::StartTls, MailSecurity::Tls, MailSecurity::None})
        // The item's index is the enum's value; "None" is a word, not a
        // protocol's name, and is shown in the user's language.
        security1->addItem(s == MailSecurity::None ? tr("None") : securityText(s));
    auto* connection = new QHBoxLayout;
    connection->setSpacing(6);
    connection->addWidget(port1);
    connection->addWidget(captions::make(tr("Security:"), security1, this));
    connection->addWidget(security1);
    timeLimit1 = new QSpinBox(this);
    timeLimit1->setObjectName(QStringLiteral("TimeLimit1"));
    timeLimit1->setRange(1, EmailSetup::kMaxTimeLimit);
    timeLimit1->setValue(EmailSetup::kDefaultTimeLimit);
    timeLimit1->setSuffix(tr(" s"));
    connection->addWidget(captions::make(tr("Time limit:"), timeLimit1, this));
    connection->addWidget(timeLimit1);
    connection->addStretch(1);
    g->addWidget(captions::make(tr("Port:"), port1, this), 5, 0);
    g->addLayout(connection, 5, 1, 1, 2);

    signIn1 = new QCheckBox(tr("Sign in"), this);
    signIn1->setObjectName(QStringLiteral("SignIn1"));
    authUser1 = edit("AuthUser1", this);
    fitTypicalValue(authUser1);
    password1 = edit("Password1", this);
    password1->setEchoMode(QLineEdit::Password);
    auto* account = new QHBoxLayout;
    account->setSpacing(6);
    account->addWidget(captions::make(tr("User name:"), authUser1, this));
    account->addWidget(authUser1, 1);
    g->addWidget(signIn1, 6, 0);
    g->addLayout(account, 6, 1, 1, 2);
    g->addWidget(captions::make(tr("Password:"), password1, this), 7, 0);
    g->addWidget(password1, 7, 1);

    g->addWidget(new QLabel(tr("  Current e-mail\r\nsetup information:"), this), 1, 3, 2, 2);
    const char* captions[] = {QT_TRANSLATE_NOOP("EmailSetupPage", "Host:"),
                              QT_TRANSLATE_NOOP("EmailSetupPage", "UserID:"),
                              QT_TRANSLATE_NOOP("EmailSetupPage", "Address:"),
                              QT_TRANSLATE_NOOP("EmailSetupPage", "Name:")};
    for (int i = 0; i < 4; ++i) {
        g->addWidget(coloured(tr(captions[i]), Qt::blue, this), 3 + i, 3);
        current[i] =
            coloured<ElidedLabel>(QString(), Qt::red, this, QStringLiteral("Label%1").arg(15 + i));
        // A longer value ends in "…", with its whole text in the hint.
        current[i]->setMinimumWidth(current[i]->fontMetrics().horizontalAdvance(kTypicalValue));
        g->addWidget(current[i], 3 + i, 4);
    }
    g->setColumnStretch(1, 1);
    g->setColumnStretch(4, 1);

    save = button("SaveSetupBtn2", tr("Save Setup"),
                  tr("Save and apply your e-mail account information"), this);
    close = button("CloseSetupBtn", tr("Close"), tr("Close this window"), this);
    test =
        button("TestSetupBtn", tr("Test"),
               tr("Connect, secure and sign in with this setup, without sending anything"), this);
    find = button("FindSettingsBtn", tr("Find Settings"),
                  tr("Try port 465 with SSL/TLS, 587 with STARTTLS, then 25 on the host, and "
                     "fill in what answers"),
                  this);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(6);
    buttons->addStretch(1);
    buttons->addWidget(find);
    buttons->addWidget(test);
    buttons->addWidget(save);
    buttons->addWidget(close);
    g->addLayout(buttons, 7, 2, 1, 3);

    // The time limit is set least often: last of the connection's controls.
    setTabOrder(password1, timeLimit1);
    connect(security1, &QComboBox::currentIndexChanged, this, &EmailSetupPage::securityChosen);
    connect(signIn1, &QCheckBox::toggled, this, &EmailSetupPage::signInToggled);
    signInToggled(false);
}

void EmailSetupPage::securityChosen(int index) {
    const auto chosen = MailSecurity(index);
    port1->setValue(EmailSetupSaver::proposedPort(chosen, quint16(port1->value())));
}

void EmailSetupPage::signInToggled(bool on) {
    authUser1->setEnabled(on);
    password1->setEnabled(on);
}

SetupEntry EmailSetupPage::entry() const {
    SetupEntry e;
    e.setup.host = host1->text();
    e.setup.userId = userId1->text();
    e.setup.address = eaddress1->text();
    e.setup.name = yname1->text();
    e.setup.port = quint16(port1->value());
    e.setup.security = MailSecurity(security1->currentIndex());
    e.setup.authUser = authUser1->text();
    e.signIn = signIn1->isChecked();
    e.password = password1->text();
    e.setup.timeLimit = timeLimit1->value();
    return e;
}

void EmailSetupPage::showCurrent(const EmailSetup& s) {
    const QString values[] = {s.host, s.userId, s.address, s.name};
    for (int i = 0; i < 4; ++i) {
        if (values[i].isEmpty())
            continue;
        current[i]->setText(values[i]);
        current[i]->setToolTip(values[i]); // the whole value, also when it is cut
    }
}

void EmailSetupPage::showStored(const EmailSetup& s) {
    host1->setText(s.host);
    userId1->setText(s.userId);
    eaddress1->setText(s.address);
    yname1->setText(s.name);
    timeLimit1->setValue(s.timeLimit);
    showFound(s);
    signIn1->setChecked(!s.authUser.isEmpty());
    authUser1->setText(s.authUser);
}

void EmailSetupPage::showFound(const EmailSetup& s) {
    {
        const QSignalBlocker block(security1); // no port proposal for a stored port
        security1->setCurrentIndex(int(s.security));
    }
    port1->setValue(s.port);
}

QWidget* EmailSetupPage::field(SetupView::Field f) const {
    switch (f) {
    case SetupView::Field::Host:
        return host1;
    case SetupView::Field::UserId:
        return userId1;
    case SetupView::Field::Address:
        return eaddress1;
    case SetupView::Field::Name:
        return yname1;
    case SetupView::Field::AuthUser:
        return authUser1;
    case SetupView::Field::Security:
        return security1;
    }
    return host1;
}
