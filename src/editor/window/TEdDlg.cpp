#include "editor/window/TEdDlg.h"

#include "context/AppContext.h"
#include "core/ColorText.h"
#include "editor/EditSession.h"
#include "editor/window/EditorTextView.h"
#include "ui/ActionGuard.h"
#include "ui/HintRouter.h"
#include "ui/LazyIcon.h"
#include "ui/SystemColors.h"
#include "ui/ToolWindow.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QMenu>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
// The strings the user sees, translated under this name.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(TEdDlg)
};

struct ToolButton {
    const char* name;
    const char* caption;
    const char* hint;
    const char* themeIcon;
    QStyle::StandardPixmap fallback;
};

} // namespace

TEdDlg::TEdDlg(AppContext& context, QWidget* parent) : QWidget(parent), context_(context) {
    toolwindow::buildOrDefer(this, {[this] { buildWindow(); }, [this] { buildToolBarAndOpen(); }});
}

void TEdDlg::buildWindow() {
    toolwindow::setUp(this, QStringLiteral("EdDlg"), Text::tr("Edit the Control (*.ini) File"),
                      QSize(622, 443), toolwindow::Border::Sizeable);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    memo_ = new QPlainTextEdit(this);
    memo_->setObjectName(QStringLiteral("Memo1"));
    memo_->setAccessibleName(Text::tr("Control file text"));
    memo_->setTabChangesFocus(false);
    memo_->viewport()->setMouseTracking(true);
    memo_->installEventFilter(this);
    memo_->viewport()->installEventFilter(this);
    statusBar1_ = toolwindow::addStatusBar(this, false);
    view_ =
        std::make_unique<EditorTextView>(memo_, statusBar1_, [this] { session_->markModified(); });
    session_ = std::make_unique<EditSession>(*context_.controlFile, *context_.prompts,
                                             *context_.opener, context_.paths, *view_, this, this);
}

void TEdDlg::buildToolBarAndOpen() {
    buildToolBar();
    static_cast<QVBoxLayout*>(layout())->insertWidget(1, memo_, 1);
    // A bad stored value is reported; the window is made all the same.
    guarded([this] { session_->create(); });
    const bool wrap = session_->look().wordWrap;
    (wrap ? wrapOn_ : wrapOff_)->setChecked(true);
}

TEdDlg::~TEdDlg() = default;

void TEdDlg::guarded(const std::function<void()>& body) {
    actionguard::run(*context_.prompts, this, body);
}

void TEdDlg::buildToolBar() {
    auto* bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("ToolBar1"));
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    bar->setMovable(false);
    bar->setIconSize(QSize(16, 16));
    static const ToolButton buttons[] = {
        {"OpenFileBtn", QT_TRANSLATE_NOOP("TEdDlg", "Open"),
         QT_TRANSLATE_NOOP("TEdDlg", "Open a control file you have saved"), "document-open",
         QStyle::SP_DialogOpenButton},
        {"SaveAsBtn", QT_TRANSLATE_NOOP("TEdDlg", "Save As"),
         QT_TRANSLATE_NOOP("TEdDlg", "Save the control file as..."), "document-save-as",
         QStyle::SP_DriveFDIcon},
        {"SaveBtn", QT_TRANSLATE_NOOP("TEdDlg", "Save Changes"),
         QT_TRANSLATE_NOOP("TEdDlg", "Save the Changes you made to the Control File"),
         "document-save", QStyle::SP_DialogSaveButton},
        {"BackUpBtn", QT_TRANSLATE_NOOP("TEdDlg", "Back Up"),
         QT_TRANSLATE_NOOP("TEdDlg", "Back up the Control File before you make changes to it"),
         "edit-copy", QStyle::SP_FileDialogNewFolder},
        {"RestoreBtn", QT_TRANSLATE_NOOP("TEdDlg", "Restore"),
         QT_TRANSLATE_NOOP("TEdDlg", "Restore the Control Back Up file you Saved"),
         "document-revert", QStyle::SP_BrowserReload},
        {"OptionsMenuBtn", QT_TRANSLATE_NOOP("TEdDlg", "Options"),
         QT_TRANSLATE_NOOP("TEdDlg", "Options Menu"), "preferences-system",
         QStyle::SP_FileDialogDetailedView},
        {"HelpBtn", QT_TRANSLATE_NOOP("TEdDlg", "Help"),
         QT_TRANSLATE_NOOP("TEdDlg", "Edit Control File Help"), "help-contents",
         QStyle::SP_DialogHelpButton},
        {"CloseBtn", QT_TRANSLATE_NOOP("TEdDlg", "Close"),
         QT_TRANSLATE_NOOP("TEdDlg", "Close Editor"), "window-close", QStyle::SP_DialogCloseButton},
    };
    const std::function<void()> actions[] = {
        [this] { session_->open(); },        [this] { session_->saveAs(); },
        [this] { session_->saveChanges(); }, [this] { session_->backUp(); },
        [this] { session_->restore(); },     nullptr,
        [this] { session_->help(); },        [this] { close(); },
    };
    QToolButton* options = nullptr; // the one button that opens a menu
    for (size_t i = 0; i < std::size(buttons); ++i) {
        const ToolButton& b = buttons[i];
        auto* button = new QToolButton(bar);
        button->setObjectName(QLatin1String(b.name));
        button->setText(Text::tr(b.caption));
        button->setIcon(lazyicon::themed(QLatin1String(b.themeIcon), b.fallback));
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        button->setAutoRaise(true);
        hints::set(button, Text::tr(b.hint));
        bar->addWidget(button);
        if (actions[i])
            connect(button, &QToolButton::clicked, this,
                    [this, action = actions[i]] { guarded(action); });
        else
            options = button;
    }

    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("OptionsMenu"));
    QAction* font = menu->addAction(Text::tr("Font..."));
    font->setObjectName(QStringLiteral("Font1"));
    hints::set(font, Text::tr("Set the editor's font attributes"));
    connect(font, &QAction::triggered, this,
            [this] { guarded([this] { session_->chooseFont(); }); });
    QMenu* wrap = menu->addMenu(Text::tr("Word Wrap"));
    wrap->setObjectName(QStringLiteral("WordWrap1"));
    hints::set(wrap->menuAction(), Text::tr("Set the word wrap"));
    auto* group = new QActionGroup(this);
    group->setExclusive(true);
    for (const bool on : {true, false}) {
        QAction* item = wrap->addAction(on ? Text::tr("True") : Text::tr("False"));
        item->setObjectName(on ? QStringLiteral("True1") : QStringLiteral("False1"));
        item->setCheckable(true);
        group->addAction(item);
        (on ? wrapOn_ : wrapOff_) = item;
        hints::set(item, on ? Text::tr("Word Wrap True") : Text::tr("Word Wrap False"));
        connect(item, &QAction::triggered, this,
                [this, on] { guarded([this, on] { session_->setWordWrap(on); }); });
    }
    options->setMenu(menu);
    options->setPopupMode(QToolButton::InstantPopup);
    static_cast<QVBoxLayout*>(layout())->insertWidget(0, bar);
    toolwindow::keepButtonsReachable(bar);
}

void TEdDlg::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    guarded([this] {
        systemcolors::paintBackground(this, context_.programColor ? context_.programColor()
                                                                  : colortext::BtnFace);
        session_->show();
    });
}

void TEdDlg::closeEvent(QCloseEvent* event) {
    bool mayClose = false;
    guarded([this, &mayClose] { mayClose = session_->closeQuery(); });
    if (mayClose)
        event->accept();
    else
        event->ignore();
}

bool TEdDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == memo_ && event->type() == QEvent::KeyPress) {
        // Every key press counts as a change, an arrow key too.
        session_->markModified();
    } else if (watched == memo_->viewport() && event->type() == QEvent::MouseMove) {
        guarded([this] { view_->showFileName(session_->fileName()); });
    }
    return QWidget::eventFilter(watched, event);
}
