#include "dialogs/window/THelpDlg.h"

#include "context/AppContext.h"
#include "dialogs/HelpFile.h"
#include "ui/ActionGuard.h"
#include "ui/HintRouter.h"
#include "ui/LazyIcon.h"
#include "ui/SystemColors.h"
#include "ui/ToolWindow.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QStyle>
#include <QTextEdit>

THelpDlg::THelpDlg(AppContext& context, QWidget* parent) : QWidget(parent), context_(context) {
    toolwindow::buildOrDefer(this, [this] { buildWindow(); });
}

void THelpDlg::buildWindow() {
    toolwindow::setUp(this, QStringLiteral("HelpDlg"), tr("TabdeckV10 Help"), QSize(672, 441),
                      toolwindow::Border::Fixed);
    setWindowIcon(lazyicon::standard(QStyle::SP_DialogHelpButton));

    richEdit1_ = new QTextEdit(this);
    richEdit1_->setObjectName(QStringLiteral("RichEdit1"));
    richEdit1_->setAccessibleName(tr("TabdeckV10 Help"));
    richEdit1_->setReadOnly(true);
    richEdit1_->setGeometry(0, 0, 672, 409);
    richEdit1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette pal = richEdit1_->palette();
    pal.setColor(QPalette::Base, pal.color(QPalette::ToolTipBase));
    pal.setColor(QPalette::Text, pal.color(QPalette::ToolTipText));
    richEdit1_->setPalette(pal);

    popupMenu1_ = new QMenu(this);
    popupMenu1_->setObjectName(QStringLiteral("PopupMenu1"));
    copy1_ = popupMenu1_->addAction(tr("Copy"));
    copy1_->setObjectName(QStringLiteral("Copy1"));
    QAction* selectAll = popupMenu1_->addAction(tr("Select All"));
    selectAll->setObjectName(QStringLiteral("SelectAll1"));
    connect(copy1_, &QAction::triggered, this,
            actionguard::guarded(*context_.prompts, this, [this] { richEdit1_->copy(); }));
    connect(selectAll, &QAction::triggered, this,
            actionguard::guarded(*context_.prompts, this, [this] { richEdit1_->selectAll(); }));
    connect(popupMenu1_, &QMenu::aboutToShow, this,
            actionguard::guarded(*context_.prompts, this, [this] { PopupMenu1Popup(); }));
    richEdit1_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(richEdit1_, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        popupMenu1_->popup(richEdit1_->viewport()->mapToGlobal(pos));
    });

    closeWindowBtn_ = new QPushButton(tr("Close Help"), this);
    closeWindowBtn_->setObjectName(QStringLiteral("CloseWindowBtn"));
    hints::set(closeWindowBtn_, tr("Close this window"));
    closeWindowBtn_->setCursor(Qt::PointingHandCursor);
    closeWindowBtn_->setGeometry(298, 413, 75, 25);
    connect(closeWindowBtn_, &QPushButton::clicked, this,
            actionguard::guarded(*context_.prompts, this, [this] { close(); }));
}

void THelpDlg::showHelp(uint32_t programColour) {
    systemcolors::paintBackground(this, programColour);
    toolwindow::present(this);
    actionguard::run(*context_.prompts, this, [this] {
        helpfile::load(context_.paths.extensiveHelp, *richEdit1_->document());
    });
}

void THelpDlg::PopupMenu1Popup() {
    copy1_->setEnabled(richEdit1_->textCursor().hasSelection());
}
