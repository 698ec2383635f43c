#include "dialogs/window/TFileProp.h"

#include "context/AppContext.h"
#include "dialogs/FileProperties.h"
#include "ui/ActionGuard.h"
#include "ui/HintRouter.h"
#include "ui/SystemColors.h"
#include "ui/ToolWindow.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TFileProp::TFileProp(AppContext& context, QWidget* parent) : QWidget(parent), context_(context) {
    toolwindow::buildOrDefer(this, [this] { buildWindow(); });
}

void TFileProp::buildWindow() {
    toolwindow::setUp(this, QStringLiteral("FileProp"), tr("File Properties"), QSize(522, 154),
                      toolwindow::Border::Fixed);
    setWindowFlag(Qt::WindowStaysOnTopHint, true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    // The facts are shown, not edited: read-only, yet selectable with the
    // mouse and the keyboard (Tab reaches it, the arrows move a caret) and
    // copied through the right-click editing menu or Ctrl+C.
    memo1_ = new QPlainTextEdit(this);
    memo1_->setObjectName(QStringLiteral("Memo1"));
    memo1_->setAccessibleName(tr("File Properties"));
    memo1_->setReadOnly(true);
    memo1_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    memo1_->setFocusPolicy(Qt::StrongFocus);
    memo1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont bold = memo1_->font();
    bold.setBold(true);
    memo1_->setFont(bold);
    layout->addWidget(memo1_, 1);

    auto* bottom = new QWidget(this);
    bottom->setObjectName(QStringLiteral("Panel1"));
    bottom->setFixedHeight(35);
    auto* row = new QHBoxLayout(bottom);
    row->setContentsMargins(0, 4, 0, 4);
    closeWindowBtn_ = new QPushButton(tr("Close"), bottom);
    closeWindowBtn_->setObjectName(QStringLiteral("CloseWindowBtn"));
    hints::set(closeWindowBtn_, tr("Close this window"));
    closeWindowBtn_->setFont(bold);
    closeWindowBtn_->setCursor(Qt::PointingHandCursor);
    row->addStretch(1);
    row->addWidget(closeWindowBtn_);
    row->addStretch(1);
    layout->addWidget(bottom);
    connect(closeWindowBtn_, &QPushButton::clicked, this,
            actionguard::guarded(*context_.prompts, this, [this] { close(); }));
}

void TFileProp::showFor(int button, uint32_t programColour) {
    const bool showing = isVisible();
    toolwindow::present(this);
    if (showing)
        return;
    systemcolors::paintBackground(this, programColour);
    memo1_->clear();
    const QString path = fileproperties::buttonTarget(*context_.controlFile, button);
    actionguard::run(*context_.prompts, this, [&] {
        memo1_->setPlainText(fileproperties::describeFile(path, button).join(QLatin1Char('\n')));
    });
}

void TFileProp::keyPressEvent(QKeyEvent* event) {
    // Escape closes the window, as it does a dialog.
    if (event->matches(QKeySequence::Cancel)) {
        actionguard::run(*context_.prompts, this, [this] { close(); });
        return;
    }
    QWidget::keyPressEvent(event);
}

void TFileProp::closeEvent(QCloseEvent* event) {
    memo1_->clear();
    QWidget::closeEvent(event);
}
