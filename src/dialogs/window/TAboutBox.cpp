#include "dialogs/window/TAboutBox.h"

#include "context/AppContext.h"
#include "context/Prompts.h"
#include "core/Opener.h"
#include "dialogs/AboutArt.h"
#include "dialogs/Maker.h"
#include "ui/ActionGuard.h"
#include "ui/DrawnArt.h"
#include "ui/HintRouter.h"
#include "ui/SystemColors.h"
#include "ui/ToolWindow.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

namespace {
// The system's inactive-caption gradient colour.
constexpr uint32_t GradientInactiveCaption = 0x80000000u + 28;
} // namespace

TAboutBox::TAboutBox(AppContext& context, QWidget* parent) : QDialog(parent), context_(context) {
    toolwindow::buildOrDefer(this, [this] { buildWindow(); });
}

void TAboutBox::buildWindow() {
    toolwindow::setUp(this, QStringLiteral("AboutBox"), tr("About Fernhollow Freeware Software"),
                      QSize(298, 233), toolwindow::Border::Dialog);
    systemcolors::paintBackground(this, GradientInactiveCaption);

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(2);
    panel->setGeometry(8, 8, 282, 185);
    panel1_ = panel;

    logo_ = label(QStringLiteral("ProgramLogo"), QString(), {8, 8, 65, 57});
    logo_->setScaledContents(true);
    logo_->setPixmap(aboutart::logo(false, devicePixelRatio()));
    // The click area lies over the logo; it is what the pointer meets.
    logoArea_ = label(QStringLiteral("LogoClick"), QString(), {8, 8, 65, 57});
    logoArea_->setCursor(Qt::PointingHandCursor);
    hints::set(logoArea_, tr("Get freeware software|Download freeware software"));

    QLabel* name =
        label(QStringLiteral("ProductName"), QStringLiteral("TabdeckV10"), {88, 10, 180, 24});
    QFont big = name->font();
    big.setPixelSize(19);
    big.setBold(true);
    name->setFont(big);
    QLabel* version = label(QStringLiteral("Version"), tr("Version 10"), {88, 36, 180, 16});
    QFont bold = version->font();
    bold.setBold(true);
    version->setFont(bold);
    label(QStringLiteral("Comments"), tr("Opens 360 Applications"), {88, 52, 180, 16});
    label(QStringLiteral("Copyright"), maker::Name, {8, 72, 266, 16});
    label(QStringLiteral("Notice"), tr("Freeware: copy and share it freely."), {8, 88, 266, 16});
    label(QStringLiteral("Address"), maker::PostalAddress, {8, 104, 266, 16});

    webLink_ = label(QStringLiteral("WebLink"), maker::WebSite, {8, 128, 190, 16});
    hints::set(webLink_, tr("Go to Fernhollow Website"));
    mailLink_ = label(QStringLiteral("MailLink"), maker::Mail, {8, 148, 190, 16});
    hints::set(mailLink_, tr("Drop us an e-mail"));
    for (QLabel* link : {webLink_, mailLink_}) {
        QFont f = link->font();
        f.setUnderline(true);
        link->setFont(f);
        link->setCursor(Qt::PointingHandCursor);
        link->setStyleSheet(QStringLiteral("color: blue"));
    }

    // The second icon first, so the product icon covers it until it rises.
    secondIcon_ = label(QStringLiteral("SecondIcon"), QString(), {200, AboutRise::RestTop, 32, 32});
    secondIcon_->setPixmap(aboutart::secondIcon(devicePixelRatio()));
    hints::set(secondIcon_, tr("Freeware Software"));
    secondIcon_->hide();
    programIcon_ =
        label(QStringLiteral("ProgramIcon"), QString(), {200, AboutRise::RestTop, 32, 32});
    programIcon_->setPixmap(drawnart::pixmap(drawnart::Art::MoveHandle, 32, devicePixelRatio()));

    okButton_ = new QPushButton(QStringLiteral("OK"), this);
    okButton_->setObjectName(QStringLiteral("OKButton"));
    hints::set(okButton_, tr("Close About Window"));
    okButton_->setDefault(true);
    okButton_->setGeometry(111, 200, 75, 25);
    connect(okButton_, &QPushButton::clicked, this,
            actionguard::guarded(*context_.prompts, this, [this] { accept(); }));

    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(AboutRise::IntervalMs);
    connect(timer1_, &QTimer::timeout, this,
            actionguard::guarded(*context_.prompts, this, [this] { Timer1Timer(); }));

    for (QLabel* watched : {logoArea_, webLink_, mailLink_, programIcon_, secondIcon_})
        watched->installEventFilter(this);
}

QLabel* TAboutBox::label(const QString& name, const QString& text, QRect place) {
    auto* l = new QLabel(text, panel1_);
    l->setObjectName(name);
    l->setGeometry(place);
    return l;
}

void TAboutBox::showModal(QWidget* owner) {
    context_.prompts->modal(owner, *this);
}

void TAboutBox::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    rise_.shown();
    const QCursor freeCur = aboutart::freeCursor();
    programIcon_->setCursor(freeCur);
    secondIcon_->setCursor(freeCur);
}

void TAboutBox::done(int result) {
    rise_.closed();
    showRise();
    QDialog::done(result);
}

void TAboutBox::ProgramIconClick() {
    rise_.productClicked();
    showRise();
}

void TAboutBox::SecondIconClick() {
    rise_.secondClicked();
    showRise();
    openAddress(maker::DownloadPage);
}

void TAboutBox::Timer1Timer() {
    rise_.timerTick();
    showRise();
}

void TAboutBox::showRise() {
    secondIcon_->move(secondIcon_->x(), rise_.top());
    secondIcon_->setVisible(rise_.secondVisible());
    if (rise_.running() && !timer1_->isActive())
        timer1_->start();
    else if (!rise_.running())
        timer1_->stop();
}

void TAboutBox::openAddress(const QString& address) {
    context_.opener->open(this, address);
}

bool TAboutBox::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::Enter && type != QEvent::Leave && type != QEvent::MouseButtonRelease)
        return QDialog::eventFilter(watched, event);
    if (type == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton)
        return QDialog::eventFilter(watched, event);
    actionguard::run(*context_.prompts, this, [&] {
        const bool enter = type == QEvent::Enter;
        const bool click = type == QEvent::MouseButtonRelease;
        if (watched == logoArea_) {
            if (click)
                openAddress(maker::DownloadPage);
            else
                logo_->setPixmap(aboutart::logo(enter, devicePixelRatio()));
        } else if (watched == webLink_ || watched == mailLink_) {
            auto* link = static_cast<QLabel*>(watched);
            if (click)
                openAddress(watched == webLink_ ? maker::WebSite
                                                : QStringLiteral("mailto:") + maker::Mail);
            else
                link->setStyleSheet(enter ? QStringLiteral("color: red")
                                          : QStringLiteral("color: blue"));
        } else if (click && watched == programIcon_) {
            ProgramIconClick();
        } else if (click && watched == secondIcon_) {
            SecondIconClick();
        }
    });
    return false;
}
