#include "mail/window/TEmail.h"

#include "context/AppContext.h"
#include "context/Prompts.h"
#include "core/ColorText.h"
#include "mail/window/AttachmentListView.h"
#include "mail/window/EmailHelpMenu.h"
#include "mail/window/EmailPages.h"
#include "mail/window/EmailSetupPage.h"
#include "mail/window/KeyringPasswords.h"
#include "ui/ActionGuard.h"
#include "ui/DrawnArt.h"
#include "ui/HintRouter.h"
#include "ui/SystemColors.h"
#include "ui/ToolWindow.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QGridLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
void focusIfShowing(QWidget* w) {
    if (w->isVisible())
        w->setFocus();
}
} // namespace

TEmail::TEmail(AppContext& context, QWidget* parent)
    : QWidget(parent), context_(context),
      book_(context.paths.listDir + QStringLiteral("MainEmail.lst"),
            context.paths.listDir + QStringLiteral("MainName.lst")),
      asked_(*context.prompts, this) {
    toolwindow::buildOrDefer(
        this, {[this, &context] { buildWindow(context); }, [this] { buildPages(); }});
}

void TEmail::buildWindow(AppContext& context) {
    toolwindow::setUp(this, QStringLiteral("Email"), tr("E-mail"), QSize(622, 263),
                      toolwindow::Border::Fixed);
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    passwords_ = new KeyringPasswords(asked_, this);
    MailView& view = *this;
    sender_ = std::make_unique<MailSender>(*context.controlFile, *context.prompts, this, view);
    sender_->usePasswords(passwords_);
    SetupView& setupView = *this;
    saver_ = std::make_unique<EmailSetupSaver>(sender_->settings(), *context.prompts, this,
                                               setupView, *passwords_);
    tester_ = std::make_unique<SetupTester>(*context.prompts, this, setupView, passwords_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildToolBar());
}

void TEmail::buildPages() {
    auto* pages = new QWidget(this);
    auto* grid = new QGridLayout(pages);
    grid->setContentsMargins(0, 0, 0, 0);
    panel3_ = new EmailSendPage(pages);
    panel4_ = new EmailSetupPage(pages);
    panel2_ = new EmailListPage(pages);
    for (QWidget* page : {static_cast<QWidget*>(panel3_), static_cast<QWidget*>(panel4_),
                          static_cast<QWidget*>(panel2_)}) {
        // A hidden page counts too: the window is made large enough for each.
        QSizePolicy policy = page->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        page->setSizePolicy(policy);
        grid->addWidget(page, 0, 0);
    }
    // The send page's file list makes the window taller; the setup page
    // keeps its place at the top rather than spreading its rows.
    grid->setAlignment(panel4_, Qt::AlignTop);
    // The list page lies over the others, so it paints its own background.
    systemcolors::paintBackground(panel2_, colortext::BtnFace);
    panel4_->hide();
    panel2_->hide();
    static_cast<QVBoxLayout*>(layout())->addWidget(pages, 1);
    statusBar1_ = toolwindow::addStatusBar(this, false);
    wirePages();
    // The window keeps its size, grown where a language's captions or the
    // room for a typical address need more.
    setFixedSize(size().expandedTo(layout()->minimumSize()));
    toolwindow::centre(this);
}

TEmail::~TEmail() = default;

void TEmail::guard(const std::function<void()>& body) {
    actionguard::run(*context_.prompts, this, body);
}

QWidget* TEmail::buildToolBar() {
    auto* bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("ToolBar1"));
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(2, 2, 2, 2);
    auto tool = [&](const QString& name, const QString& caption, const QString& hint,
                    const QIcon& icon) {
        auto* b = new QToolButton(bar);
        b->setObjectName(name);
        b->setText(caption);
        b->setIcon(icon);
        b->setAutoRaise(true);
        b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        hints::set(b, hint);
        row->addWidget(b);
        return b;
    };
    auto* send =
        tool("SendBtn", tr("Send Mail"), tr("Send the e-mail"), mailGlyph(MailGlyph::Send));
    connect(send, &QToolButton::clicked, this, [this] { SendBtnClick(); });
    auto* disc =
        tool("DisconnectBtn", tr("Disconnect"), tr("Disconnect"), mailGlyph(MailGlyph::Disconnect));
    connect(disc, &QToolButton::clicked, this, [this] { DisconnectBtnClick(); });
    auto* list =
        tool("ElistBtn", tr("E-mail List"), tr("Open e-mail list"), mailGlyph(MailGlyph::List));
    connect(list, &QToolButton::clicked, this, [this] {
        guard([this] {
            panel2_->show();
            panel2_->raise();
        });
    });
    auto* setup =
        tool("OpenSetup1", tr("Setup"), tr("Open setup window"), mailGlyph(MailGlyph::Setup));
    connect(setup, &QToolButton::clicked, this, [this] { guard([this] { showPage(panel4_); }); });
    auto* help = tool("HelpMenuBtn", tr("Help"), tr("Help Menu"), mailGlyph(MailGlyph::Help));
    // The boxes belong to this window, so they show above it although it stays on top.
    help->setMenu(buildEmailHelpMenu(this, [this](const Prompts::Box& box) {
        guard([this, box] { context_.prompts->box(this, box); });
    }));
    help->setPopupMode(QToolButton::InstantPopup);
    auto* exit =
        tool("ExitBtn", tr("Exit"), tr("Close E-mail"), drawnart::icon(drawnart::Art::ExitDoor));
    connect(exit, &QToolButton::clicked, this, [this] { guard([this] { close(); }); });
    row->addStretch(1);
    return bar;
}

void TEmail::wirePages() {
    connect(panel3_->selectFile, &QPushButton::clicked, this, [this] { SelectFileBtnClick(); });
    connect(panel3_->send, &QPushButton::clicked, this, [this] { SendBtnClick(); });
    connect(panel3_->ftype1, &QButtonGroup::idClicked, this, [this](int id) {
        guard([this, id] {
            showFileType(FileType(id));
            sender_->chooseType(FileType(id));
        });
    });
    panel3_->attachments->bind(
        sender_->attachments(),
        {[this] { guard([this] { sender_->chooseAttachment(); }); },
         [this](int row) { guard([this, row] { sender_->attachments().remove(row); }); },
         [this](const QStringList& paths) { guard([this, paths] { sender_->attach(paths); }); }});
    connect(panel4_->save, &QPushButton::clicked, this, [this] { SaveSetupBtn2Click(); });
    connect(panel4_->test, &QPushButton::clicked, this, [this] { TestSetupBtnClick(); });
    connect(panel4_->find, &QPushButton::clicked, this, [this] { FindSettingsBtnClick(); });
    connect(panel4_->close, &QPushButton::clicked, this,
            [this] { guard([this] { closeSetup(); }); });
    connect(panel2_->add, &QPushButton::clicked, this, [this] { AddToListBtnClick(); });
    connect(panel2_->close, &QPushButton::clicked, this,
            [this] { guard([this] { panel2_->hide(); }); });
    QListWidget* lists[] = {panel2_->listBox1, panel2_->listBox2};
    for (QListWidget* l : lists) {
        QListWidget* other = l == lists[0] ? lists[1] : lists[0];
        l->viewport()->installEventFilter(this);
        connect(l, &QListWidget::currentRowChanged, this, [this, other](int row) {
            guard([other, row] {
                const QSignalBlocker block(other);
                other->setCurrentRow(row);
            });
        });
        connect(l, &QListWidget::itemDoubleClicked, this, [this, l] { ListDblClick(l); });
    }
}

void TEmail::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    guard([this] {
        const uint32_t colour = sender_->settings().programColor().value_or(colortext::BtnFace);
        systemcolors::paintBackground(this, colour);
        systemcolors::paintBackground(panel2_, colour);
        book_.reload();
        fillLists();
        sender_->settings().protect();
        sender_->opened();
        const EmailSetup s = sender_->settings().read();
        showCurrent(s);
        if (!s.host.isEmpty() || !s.userId.isEmpty() || !s.address.isEmpty() || !s.name.isEmpty())
            panel4_->showStored(s);
    });
}

void TEmail::closeEvent(QCloseEvent* event) {
    guard([this] {
        tester_->cancel();
        sender_->closing();
    });
    QWidget::closeEvent(event);
}

void TEmail::showPage(QWidget* page) {
    panel3_->setVisible(page == panel3_);
    panel4_->setVisible(page == panel4_);
}

void TEmail::fillLists() {
    QListWidget* lists[] = {panel2_->listBox1, panel2_->listBox2};
    const QStringList texts[] = {book_.addresses(), book_.names()};
    for (int i = 0; i < 2; ++i) {
        const QSignalBlocker block(lists[i]);
        lists[i]->clear();
        lists[i]->addItems(texts[i]);
    }
}

bool TEmail::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
        for (QListWidget* l : {panel2_->listBox1, panel2_->listBox2}) {
            if (watched == l->viewport()) {
                ListMouseDownRight(l);
                return true; // the right press does not move the selection
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TEmail::SendBtnClick() {
    guard([this] { sender_->send(); });
}

void TEmail::DisconnectBtnClick() {
    guard([this] { sender_->disconnect(); });
}

void TEmail::SelectFileBtnClick() {
    guard([this] { sender_->chooseFile(); });
}

void TEmail::SaveSetupBtn2Click() {
    guard([this] { saver_->save(); });
}

void TEmail::TestSetupBtnClick() {
    guard([this] { tester_->test(); });
}

void TEmail::FindSettingsBtnClick() {
    guard([this] { tester_->findSettings(); });
}

void TEmail::AddToListBtnClick() {
    guard([this] {
        QLineEdit* edit1 = panel2_->edit1;
        QLineEdit* edit2 = panel2_->edit2;
        if (edit1->text().isEmpty() || edit2->text().isEmpty()) {
            context_.prompts->notice(
                this, tr("You have to fill in the E-mail Address Box, and the Name Box!"));
            focusIfShowing(edit1);
            return;
        }
        book_.add(edit1->text(), edit2->text());
        fillLists();
        edit1->clear();
        edit2->clear();
        focusIfShowing(edit1);
    });
}

void TEmail::ListMouseDownRight(QListWidget* list) {
    guard([this, list] {
        const int row = list->currentRow();
        if (row < 0)
            return; // nothing was picked, so nothing can be deleted
        const Prompts::Box box{tr("Delete Item?"),
                               tr("Are you sure you want to delete this item from the list?"),
                               Prompts::Icon::Question, Prompts::Yes | Prompts::No};
        if (context_.prompts->box(this, box) != Prompts::Yes)
            return;
        book_.remove(row);
        fillLists();
    });
}

void TEmail::ListDblClick(QListWidget* list) {
    guard([this, list] {
        const int row = list->currentRow();
        const QStringList addresses = book_.addresses();
        if (row < 0 || row >= addresses.size())
            return;
        panel3_->to1->setText(addresses[row]);
        QListWidget* other = list == panel2_->listBox1 ? panel2_->listBox2 : panel2_->listBox1;
        const QSignalBlocker block(other);
        other->setCurrentRow(row);
        panel2_->hide();
    });
}

QString TEmail::to() const {
    return panel3_->to1->text();
}
void TEmail::setTo(const QString& text) {
    panel3_->to1->setText(text);
}
QString TEmail::subject() const {
    return panel3_->subject1->text();
}

bool TEmail::setupShown() const {
    for (QLabel* l : panel4_->current) {
        if (!l->text().isEmpty())
            return true;
    }
    return false;
}

void TEmail::focus(MailView::Field field) {
    switch (field) {
    case MailView::Field::Host:
        return focusIfShowing(panel4_->host1);
    case MailView::Field::To:
        return focusIfShowing(panel3_->to1);
    case MailView::Field::Subject:
        return focusIfShowing(panel3_->subject1);
    case MailView::Field::Edit1:
        return focusIfShowing(panel2_->edit1);
    }
}

void TEmail::showFileType(std::optional<FileType> type) {
    for (QAbstractButton* b : panel3_->ftype1->buttons())
        b->setChecked(type && panel3_->ftype1->id(b) == int(*type));
}

void TEmail::setConnectionText(const QString& text) {
    panel3_->inf1->setText(text);
}
void TEmail::setStatusText(const QString& text) {
    statusBar1_->showMessage(text);
}

SetupEntry TEmail::entry() const {
    return panel4_->entry();
}
void TEmail::focus(SetupView::Field field) {
    focusIfShowing(panel4_->field(field));
}
void TEmail::showCurrent(const EmailSetup& setup) {
    panel4_->showCurrent(setup);
}
void TEmail::closeSetup() {
    showPage(panel3_);
}
void TEmail::showFound(const EmailSetup& setup) {
    panel4_->showFound(setup);
}
void TEmail::showCheckStatus(const QString& text) {
    statusBar1_->showMessage(text);
}
