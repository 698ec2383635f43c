#include "dialogs/window/TReminder.h"

#include "context/AppContext.h"
#include "context/Prompts.h"
#include "dialogs/ReminderClock.h"
#include "dialogs/ReminderFlash.h"
#include "ui/ActionGuard.h"
#include "ui/HintRouter.h"
#include "ui/ToolWindow.h"

#include <QApplication>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QTimer>

TReminder::TReminder(AppContext& context, QWidget* parent)
    : QDialog(parent), context_(context), beep_([] { QApplication::beep(); }) {
    toolwindow::buildOrDefer(this, [this] { buildWindow(); });
}

void TReminder::buildWindow() {
    toolwindow::setUp(this, QStringLiteral("Reminder"), QStringLiteral(""), QSize(511, 247),
                      toolwindow::Border::None);
    setAutoFillBackground(true);
    setColour(QColor(255, 0, 0));

    label1_ = new QLabel(ReminderClock::dueText(), this);
    label1_->setObjectName(QStringLiteral("Label1"));
    QFont big(QStringLiteral("MS Sans Serif"));
    big.setPixelSize(32);
    big.setBold(true);
    label1_->setFont(big);
    QPalette text = label1_->palette();
    text.setColor(QPalette::WindowText, QColor(0, 0, 255));
    label1_->setPalette(text);
    // Centred between margins, where the text stood in its first font; a
    // wider font or a longer translation wraps instead of reaching the edges.
    constexpr int Margin = 16;
    label1_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label1_->setWordWrap(true);
    label1_->setGeometry(Margin, 88, 511 - 2 * Margin, 216 - 88 - Margin / 2);

    closeWindowlBtn1_ = new QPushButton(tr("Close"), this);
    closeWindowlBtn1_->setObjectName(QStringLiteral("CloseWindowlBtn1"));
    hints::set(closeWindowlBtn1_, tr("Close this window"));
    QFont bold = closeWindowlBtn1_->font();
    bold.setBold(true);
    closeWindowlBtn1_->setFont(bold);
    closeWindowlBtn1_->setCursor(Qt::PointingHandCursor);
    closeWindowlBtn1_->setGeometry(226, 216, 75, 25);
    connect(closeWindowlBtn1_, &QPushButton::clicked, this,
            actionguard::guarded(*context_.prompts, this, [this] { accept(); }));

    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(reminderflash::IntervalMs);
    connect(timer1_, &QTimer::timeout, this,
            actionguard::guarded(*context_.prompts, this, [this] { Timer1Timer(); }));
}

void TReminder::showReminder(QWidget* owner) {
    if (beep_)
        beep_();
    context_.prompts->modal(owner, *this);
}

QColor TReminder::colour() const {
    return palette().color(QPalette::Window);
}

void TReminder::setColour(const QColor& colour) {
    QPalette pal = palette();
    pal.setColor(QPalette::Window, colour);
    setPalette(pal);
}

void TReminder::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Each showing flashes anew, from the colour the window was left in.
    flashTick_ = 0;
    timer1_->start();
}

void TReminder::done(int result) {
    timer1_->stop();
    QDialog::done(result);
}

void TReminder::Timer1Timer() {
    ++flashTick_;
    const reminderflash::Step step = reminderflash::step(flashTick_);
    setColour(step.colour);
    if (step.beep && beep_)
        beep_();
    if (step.last) {
        timer1_->stop();
        flashTick_ = 0;
    }
}
