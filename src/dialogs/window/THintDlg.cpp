#include "dialogs/window/THintDlg.h"

#include "context/AppContext.h"
#include "ui/ActionGuard.h"
#include "ui/HintRouter.h"
#include "ui/SystemColors.h"
#include "ui/ToolWindow.h"

#include <QEvent>
#include <QMouseEvent>
#include <QStatusBar>

THintDlg::THintDlg(AppContext& context, QWidget* parent) : QWidget(parent), context_(context) {
    toolwindow::buildOrDefer(this, [this] { buildWindow(); });
}

void THintDlg::buildWindow() {
    toolwindow::setUp(this, QStringLiteral("HintDlg"), tr("TabdeckV10 Hint"), QSize(622, 19),
                      toolwindow::Border::None);
    // It only shows hints: showing it must not take the focus from the strip.
    setAttribute(Qt::WA_ShowWithoutActivating);
    statusBar1_ = toolwindow::addStatusBar(this, false);
    statusBar1_->setCursor(Qt::PointingHandCursor);
    hints::set(statusBar1_, tr("Double Click to Close Hint Window"));
    statusBar1_->installEventFilter(this);
}

void THintDlg::Hint1Click(QPoint stripTopLeft, uint32_t programColour) {
    if (open_) {
        closeHint();
        return;
    }
    systemcolors::paintBackground(this, programColour);
    follow(stripTopLeft);
    open_ = true;
    show();
    toolwindow::keepPlaceAsked(this);
}

void THintDlg::follow(QPoint stripTopLeft) {
    move(placeFor(stripTopLeft));
}

void THintDlg::closeHint() {
    open_ = false;
    hide();
}

bool THintDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == statusBar1_ && event->type() == QEvent::MouseButtonDblClick) {
        actionguard::run(*context_.prompts, this, [this] { closeHint(); });
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void THintDlg::mouseDoubleClickEvent(QMouseEvent* event) {
    actionguard::run(*context_.prompts, this, [this] { closeHint(); });
    event->accept();
}
