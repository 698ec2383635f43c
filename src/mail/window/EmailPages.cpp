#include "mail/window/EmailPages.h"

#include "mail/window/AttachmentListView.h"
#include "ui/Captions.h"
#include "ui/DrawnArt.h"
#include "ui/HintRouter.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionFrame>

namespace {

QLabel* heading(const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    QFont f = l->font();
    f.setBold(true);
    f.setUnderline(true);
    l->setFont(f);
    l->setAlignment(Qt::AlignCenter);
    return l;
}

template <typename L = QLabel>
L* coloured(const QString& text, const QColor& c, QWidget* parent, const QString& name = {}) {
    auto* l = new L(text, parent);
    QPalette pal = l->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        pal.setColor(group, QPalette::WindowText, c);
    l->setPalette(pal);
    // Else the role follows the background's: on the button face (the default
    // program colour) the text would be drawn as button text, not in c.
    l->setForegroundRole(QPalette::WindowText);
    if (!name.isEmpty())
        l->setObjectName(name);
    return l;
}

QLineEdit* edit(const QString& name, QWidget* parent) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    return e;
}

// A value as long as most users' host names and addresses: the setup's
// edits and current values show it whole, in the font and language in use.
const QString kTypicalValue = QStringLiteral("firstname.lastname@example.com");

void fitTypicalValue(QLineEdit* e) {
    const QMargins m = e->textMargins();
    // The edit keeps 2 pixels of its own on either side of the text.
    const QSize text(e->fontMetrics().horizontalAdvance(kTypicalValue) + 2 * 2 + m.left() +
                         m.right(),
                     e->fontMetrics().height());
    QStyleOptionFrame opt;
    opt.initFrom(e);
    opt.lineWidth = e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, e);
    e->setMinimumWidth(e->style()->sizeFromContents(QStyle::CT_LineEdit, &opt, text, e).width());
}

QPushButton* button(const QString& name, const QString& text, const QString& hint,
                    QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    if (!name.isEmpty())
        b->setObjectName(name);
    hints::set(b, hint);
    return b;
}

QGridLayout* tightGrid(QWidget* page) {
    auto* g = new QGridLayout(page);
    g->setContentsMargins(6, 2, 6, 2);
    g->setVerticalSpacing(2);
    g->setHorizontalSpacing(6);
    return g;
}

} // namespace

QIcon mailGlyph(MailGlyph g) {
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 2));
    switch (g) {
    case MailGlyph::Send: // an envelope
        p.setBrush(QColor(255, 250, 205));
        p.drawRect(4, 8, 24, 17);
        p.drawPolyline(QPolygon({QPoint(4, 8), QPoint(16, 18), QPoint(28, 8)}));
        break;
    case MailGlyph::Disconnect: // a plug pulled apart
        p.setBrush(Qt::gray);
        p.drawRect(3, 12, 10, 8);
        p.drawRect(19, 12, 10, 8);
        p.setPen(QPen(Qt::red, 3));
        p.drawLine(14, 6, 18, 26);
        break;
    case MailGlyph::List: // lines of a list
        p.setBrush(Qt::white);
        p.drawRect(5, 4, 22, 24);
        for (int y = 10; y <= 22; y += 6)
            p.drawLine(9, y, 23, y);
        break;
    case MailGlyph::Setup: // a cog
        p.setBrush(QColor(120, 140, 170));
        p.drawEllipse(QPoint(16, 16), 10, 10);
        p.setBrush(Qt::white);
        p.drawEllipse(QPoint(16, 16), 4, 4);
        break;
    case MailGlyph::Help: // a question mark
        p.setBrush(QColor(70, 110, 220));
        p.drawEllipse(3, 3, 26, 26);
        p.setPen(Qt::white);
        p.setFont(QFont(QStringLiteral("Sans"), 16, QFont::Bold));
        p.drawText(QRect(3, 3, 26, 26), Qt::AlignCenter, QStringLiteral("?"));
        break;
    }
    return QIcon(pm);
}

QSize ElidedLabel::minimumSizeHint() const {
    return {fontMetrics().horizontalAdvance(QStringLiteral("W…")),
            QLabel::minimumSizeHint().height()};
}

QSize ElidedLabel::sizeHint() const {
    return minimumSizeHint();
}

void ElidedLabel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = contentsRect();
    const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, r.width());
    style()->drawItemText(&p, r, int(alignment()), palette(), isEnabled(), shown, foregroundRole());
}

EmailSendPage::EmailSendPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Panel3"));
    auto* g = new QGridLayout(this);
    g->addWidget(heading(tr("Send E-mail"), this), 0, 0, 1, 4);
    g->addWidget(new QLabel(tr("**Required"), this), 1, 0);
    to1 = edit("To1", this);
    g->addWidget(captions::make(tr("**To:"), to1, this), 2, 0);
    g->addWidget(to1, 2, 1);
    subject1 = edit("Subject1", this);
    g->addWidget(captions::make(tr("**Subject:"), subject1, this), 3, 0);
    g->addWidget(subject1, 3, 1);
    selectFile = button("SelectFileBtn", "...", tr("Select a file to send"), this);
    selectFile->setFixedWidth(28);
    g->addWidget(captions::make(tr("**Select file to send:"), selectFile, this), 4, 0);
    g->addWidget(selectFile, 4, 1, Qt::AlignLeft);

    auto* group = new QGroupBox(tr("Select File Type"), this);
    group->setObjectName(QStringLiteral("Ftype1"));
    auto* gl = new QVBoxLayout(group);
    ftype1 = new QButtonGroup(group);
    ftype1->setExclusive(false); // "none selected" must be possible again
    const QStringList types = {tr("HTML"), tr("RichEdit"), tr("SGML Document"),
                               tr("Text (Default)")};
    for (int i = 0; i < types.size(); ++i) {
        auto* r = new QRadioButton(types[i], group);
        r->setObjectName(QStringLiteral("Ftype1_%1").arg(i));
        ftype1->addButton(r, i);
        gl->addWidget(r);
    }
    g->addWidget(group, 1, 2, 4, 1);
    g->addWidget(new QLabel("**", this), 1, 3);
    inf1 = coloured(QString(), Qt::red, this, "inf1");
    g->addWidget(inf1, 5, 0, 1, 2);
    send = button("SendMailBtn", tr("Send Mail"), tr("Send the e-mail"), this);
    g->addWidget(send, 5, 2);
    auto* art1 = new drawnart::ArtView(drawnart::Art::MoreItem, this);
    art1->setObjectName(QStringLiteral("Image1"));
    g->addWidget(art1, 5, 3);
    auto* art2 = new QLabel(this);
    art2->setObjectName(QStringLiteral("Image2"));
    art2->setPixmap(mailGlyph(MailGlyph::Send).pixmap(32, 32));
    g->addWidget(art2, 2, 3);
    attachments = new AttachmentListView(this);
    g->addWidget(attachments, 6, 0, 1, 4);
}

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
    port1->setValue(EmailSetupSaver::usualPort(MailSecurity::StartTls));
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
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(6);
    buttons->addStretch(1);
    buttons->addWidget(save);
    buttons->addWidget(close);
    g->addLayout(buttons, 7, 2, 1, 3);

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

void EmailSetupPage::showConnection(const EmailSetup& s) {
    {
        const QSignalBlocker block(security1); // no port proposal for a stored port
        security1->setCurrentIndex(int(s.security));
    }
    port1->setValue(s.port);
    signIn1->setChecked(!s.authUser.isEmpty());
    authUser1->setText(s.authUser);
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

EmailListPage::EmailListPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Panel2"));
    auto* g = new QGridLayout(this);
    auto makeList = [&](const QString& name) {
        auto* l = new QListWidget(this);
        l->setObjectName(name);
        QPalette pal = l->palette();
        pal.setColor(QPalette::Base, pal.color(QPalette::ToolTipBase));
        pal.setColor(QPalette::Text, Qt::blue);
        l->setPalette(pal);
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
        l->setUniformItemSizes(true);
        return l;
    };
    listBox1 = makeList("ListBox1");
    listBox2 = makeList("ListBox2");
    g->addWidget(captions::make(tr("E-mail List"), listBox1, this), 0, 0);
    g->addWidget(captions::make(tr("Name List"), listBox2, this), 0, 1);
    g->addWidget(listBox1, 1, 0, 4, 1);
    g->addWidget(listBox2, 1, 1, 4, 1);
    edit1 = edit("Edit1", this);
    edit2 = edit("Edit2", this);
    g->addWidget(captions::make(tr("Enter E-mail Address:"), edit1, this), 1, 2);
    g->addWidget(edit1, 2, 2);
    g->addWidget(captions::make(tr("Enter Name:"), edit2, this), 3, 2);
    g->addWidget(edit2, 4, 2);
    add = button("AddToListBtn", tr("Add"), tr("Add to lists"), this);
    g->addWidget(add, 5, 0);
    close = button("CloseWindowBtn", tr("Close"), tr("Close this window"), this);
    g->addWidget(close, 5, 1);
    auto* art = new QLabel(this);
    art->setObjectName(QStringLiteral("Image3"));
    art->setPixmap(mailGlyph(MailGlyph::List).pixmap(32, 32));
    g->addWidget(art, 5, 2);
}
