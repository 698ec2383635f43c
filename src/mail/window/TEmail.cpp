#include "mail/window/TEmail.h"

#include "context/AppContext.h"
#include "context/Prompts.h"
#include "core/ColorText.h"
#include "ui/ActionGuard.h"
#include "ui/DrawnArt.h"
#include "ui/HintRouter.h"
#include "ui/SystemColors.h"
#include "ui/ToolWindow.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString kExampleHost = QStringLiteral("smtp.example.com");
const QString kExampleAddress = QStringLiteral("you@example.com");

enum class Glyph { Send, Disconnect, List, Setup, Help };

// The tool bar's small pictures, drawn so they stay sharp at any scale.
QIcon glyph(Glyph g) {
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 2));
    switch (g) {
    case Glyph::Send: // an envelope
        p.setBrush(QColor(255, 250, 205));
        p.drawRect(4, 8, 24, 17);
        p.drawPolyline(QPolygon({QPoint(4, 8), QPoint(16, 18), QPoint(28, 8)}));
        break;
    case Glyph::Disconnect: // a plug pulled apart
        p.setBrush(Qt::gray);
        p.drawRect(3, 12, 10, 8);
        p.drawRect(19, 12, 10, 8);
        p.setPen(QPen(Qt::red, 3));
        p.drawLine(14, 6, 18, 26);
        break;
    case Glyph::List: // lines of a list
        p.setBrush(Qt::white);
        p.drawRect(5, 4, 22, 24);
        for (int y = 10; y <= 22; y += 6)
            p.drawLine(9, y, 23, y);
        break;
    case Glyph::Setup: // a cog
        p.setBrush(QColor(120, 140, 170));
        p.drawEllipse(QPoint(16, 16), 10, 10);
        p.setBrush(Qt::white);
        p.drawEllipse(QPoint(16, 16), 4, 4);
        break;
    case Glyph::Help: // a question mark
        p.setBrush(QColor(70, 110, 220));
        p.drawEllipse(3, 3, 26, 26);
        p.setPen(Qt::white);
        p.setFont(QFont(QStringLiteral("Sans"), 16, QFont::Bold));
        p.drawText(QRect(3, 3, 26, 26), Qt::AlignCenter, QStringLiteral("?"));
        break;
    }
    return QIcon(pm);
}

QLabel* label(const QString& text, QWidget* parent) {
    return new QLabel(text, parent);
}

QLabel* heading(const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    QFont f = l->font();
    f.setBold(true);
    f.setUnderline(true);
    l->setFont(f);
    l->setAlignment(Qt::AlignCenter);
    return l;
}

QLabel* coloured(const QString& text, const QColor& c, QWidget* parent, const QString& name = {}) {
    auto* l = new QLabel(text, parent);
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, c);
    l->setPalette(pal);
    if (!name.isEmpty())
        l->setObjectName(name);
    return l;
}

QLineEdit* edit(const QString& name, QWidget* parent) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    return e;
}

QPushButton* button(const QString& name, const QString& caption, const QString& hint,
                    QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    if (!name.isEmpty())
        b->setObjectName(name);
    hints::set(b, hint);
    return b;
}

void focusIfShowing(QWidget* w) {
    if (w->isVisible())
        w->setFocus();
}

} // namespace

TEmail::TEmail(AppContext& context, QWidget* parent)
    : QWidget(parent), context_(context),
      book_(context.paths.listDir + QStringLiteral("MainEmail.lst"),
            context.paths.listDir + QStringLiteral("MainName.lst")) {
    toolwindow::setUp(this, QStringLiteral("Email"), QStringLiteral("E-mail"), QSize(622, 263),
                      toolwindow::Border::Fixed);
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    MailView& view = *this;
    sender_ = std::make_unique<MailSender>(*context.controlFile, *context.prompts, this, view);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildToolBar());
    auto* pages = new QWidget(this);
    auto* grid = new QGridLayout(pages);
    grid->setContentsMargins(0, 0, 0, 0);
    panel3_ = buildSendPage();
    panel4_ = buildSetupPage();
    panel2_ = buildListPage();
    for (QWidget* page : {panel3_, panel4_, panel2_}) {
        page->setParent(pages);
        page->setAutoFillBackground(false);
        grid->addWidget(page, 0, 0);
    }
    panel4_->hide();
    panel2_->hide();
    layout->addWidget(pages, 1);
    statusBar1_ = toolwindow::addStatusBar(this, false);
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
    auto* send = tool("SendBtn", "Send Mail", "Send the e-mail", glyph(Glyph::Send));
    connect(send, &QToolButton::clicked, this, [this] { SendBtnClick(); });
    auto* disc = tool("DisconnectBtn", "Disconnect", "Disconnect", glyph(Glyph::Disconnect));
    connect(disc, &QToolButton::clicked, this, [this] { DisconnectBtnClick(); });
    auto* list = tool("ElistBtn", "E-mail List", "Open e-mail list", glyph(Glyph::List));
    connect(list, &QToolButton::clicked, this, [this] {
        guard([this] {
            panel2_->show();
            panel2_->raise();
        });
    });
    auto* setup = tool("OpenSetup1", "Setup", "Open setup window", glyph(Glyph::Setup));
    connect(setup, &QToolButton::clicked, this, [this] {
        guard([this] {
            panel4_->show();
            panel3_->hide();
        });
    });
    auto* help = tool("HelpMenuBtn", "Help", "Help Menu", glyph(Glyph::Help));
    help->setMenu(buildHelpMenu());
    help->setPopupMode(QToolButton::InstantPopup);
    auto* exit = tool("ExitBtn", "Exit", "Close E-mail", drawnart::icon(drawnart::Art::ExitDoor));
    connect(exit, &QToolButton::clicked, this, [this] { guard([this] { close(); }); });
    row->addStretch(1);
    return bar;
}

QWidget* TEmail::buildSendPage() {
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("Panel3"));
    auto* g = new QGridLayout(page);
    g->addWidget(heading("Send E-mail", page), 0, 0, 1, 4);
    g->addWidget(label("**Required", page), 1, 0);
    g->addWidget(label("**To:", page), 2, 0);
    to1_ = edit("To1", page);
    g->addWidget(to1_, 2, 1);
    g->addWidget(label("**Subject:", page), 3, 0);
    subject1_ = edit("Subject1", page);
    g->addWidget(subject1_, 3, 1);
    g->addWidget(label("**Select file to send:", page), 4, 0);
    auto* select = button("SelectFileBtn", "...", "Select a file to send", page);
    select->setFixedWidth(28);
    connect(select, &QPushButton::clicked, this, [this] { SelectFileBtnClick(); });
    g->addWidget(select, 4, 1, Qt::AlignLeft);

    auto* group = new QGroupBox("Select File Type", page);
    group->setObjectName(QStringLiteral("Ftype1"));
    auto* gl = new QVBoxLayout(group);
    ftype1_ = new QButtonGroup(group);
    ftype1_->setExclusive(false); // "none selected" must be possible again
    const QStringList types = {"HTML", "RichEdit", "SGML Document", "Text (Default)"};
    for (int i = 0; i < types.size(); ++i) {
        auto* r = new QRadioButton(types[i], group);
        r->setObjectName(QStringLiteral("Ftype1_%1").arg(i));
        ftype1_->addButton(r, i);
        gl->addWidget(r);
    }
    connect(ftype1_, &QButtonGroup::idClicked, this, [this](int id) {
        guard([this, id] {
            showFileType(FileType(id));
            sender_->chooseType(FileType(id));
        });
    });
    g->addWidget(group, 1, 2, 4, 1);
    g->addWidget(label("**", page), 1, 3);
    inf1_ = coloured(QString(), Qt::red, page, "inf1");
    g->addWidget(inf1_, 5, 0, 1, 2);
    auto* send = button("SendMailBtn", "Send Mail", "Send the e-mail", page);
    connect(send, &QPushButton::clicked, this, [this] { SendBtnClick(); });
    g->addWidget(send, 5, 2);
    auto* art1 = new drawnart::ArtView(drawnart::Art::MoreItem, page);
    art1->setObjectName(QStringLiteral("Image1"));
    g->addWidget(art1, 5, 3);
    auto* art2 = new QLabel(page);
    art2->setObjectName(QStringLiteral("Image2"));
    art2->setPixmap(glyph(Glyph::Send).pixmap(32, 32));
    g->addWidget(art2, 2, 3);
    return page;
}

QWidget* TEmail::buildSetupPage() {
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("Panel4"));
    auto* g = new QGridLayout(page);
    g->addWidget(heading("Setup E-mail", page), 0, 0, 1, 5);
    host1_ = edit("Host1", page);
    userId1_ = edit("UserID1", page);
    eaddress1_ = edit("Eaddress1", page);
    yname1_ = edit("Yname1", page);
    const struct {
        const char* caption;
        QLineEdit* edit;
        QString example;
    } rows[] = {{"Enter you e-mail host:", host1_, "Example: " + kExampleHost},
                {"Enter your User ID:", userId1_, "Example: Your password"},
                {"Enter your e-mail address:", eaddress1_, "Example: " + kExampleAddress},
                {"Enter your name:", yname1_, QString()}};
    int r = 1;
    for (const auto& row : rows) {
        g->addWidget(label(row.caption, page), r, 0);
        g->addWidget(row.edit, r, 1);
        g->addWidget(label(row.example, page), r, 2);
        ++r;
    }
    g->addWidget(label("  Current e-mail\r\nsetup information:", page), 1, 3, 1, 2);
    const char* captions[] = {"Host:", "UserID:", "Address:", "Name:"};
    for (int i = 0; i < 4; ++i) {
        g->addWidget(coloured(captions[i], Qt::blue, page), 2 + i, 3);
        setupLabels_[i] = coloured(QString(), Qt::red, page, QStringLiteral("Label%1").arg(15 + i));
        g->addWidget(setupLabels_[i], 2 + i, 4);
    }
    auto* save = button("SaveSetupBtn2", "Save Setup",
                        "Save and apply your e-mail account information", page);
    connect(save, &QPushButton::clicked, this, [this] { SaveSetupBtn2Click(); });
    g->addWidget(save, 6, 1);
    auto* close = button("CloseSetupBtn", "Close", "Close this window", page);
    connect(close, &QPushButton::clicked, this, [this] {
        guard([this] {
            panel4_->hide();
            panel3_->show();
        });
    });
    g->addWidget(close, 6, 2);
    return page;
}

QWidget* TEmail::buildListPage() {
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("Panel2"));
    page->setAutoFillBackground(true);
    auto* g = new QGridLayout(page);
    g->addWidget(label("E-mail List", page), 0, 0);
    g->addWidget(label("Name List", page), 0, 1);
    auto makeList = [&](const QString& name) {
        auto* l = new QListWidget(page);
        l->setObjectName(name);
        QPalette pal = l->palette();
        pal.setColor(QPalette::Base, pal.color(QPalette::ToolTipBase));
        pal.setColor(QPalette::Text, Qt::blue);
        l->setPalette(pal);
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
        l->setUniformItemSizes(true);
        l->viewport()->installEventFilter(this);
        return l;
    };
    listBox1_ = makeList("ListBox1");
    listBox2_ = makeList("ListBox2");
    g->addWidget(listBox1_, 1, 0, 4, 1);
    g->addWidget(listBox2_, 1, 1, 4, 1);
    for (QListWidget* l : {listBox1_, listBox2_}) {
        QListWidget* other = l == listBox1_ ? listBox2_ : listBox1_;
        connect(l, &QListWidget::currentRowChanged, this, [this, other](int row) {
            guard([other, row] {
                const QSignalBlocker block(other);
                other->setCurrentRow(row);
            });
        });
        connect(l, &QListWidget::itemDoubleClicked, this, [this, l] { ListDblClick(l); });
    }
    g->addWidget(label("Enter E-mail Address:", page), 1, 2);
    edit1_ = edit("Edit1", page);
    g->addWidget(edit1_, 2, 2);
    g->addWidget(label("Enter Name:", page), 3, 2);
    edit2_ = edit("Edit2", page);
    g->addWidget(edit2_, 4, 2);
    auto* add = button("AddToListBtn", "Add", "Add to lists", page);
    connect(add, &QPushButton::clicked, this, [this] { AddToListBtnClick(); });
    g->addWidget(add, 5, 0);
    auto* close = button("CloseWindowBtn", "Close", "Close this window", page);
    connect(close, &QPushButton::clicked, this, [this] { guard([this] { panel2_->hide(); }); });
    g->addWidget(close, 5, 1);
    auto* art = new QLabel(page);
    art->setObjectName(QStringLiteral("Image3"));
    art->setPixmap(glyph(Glyph::List).pixmap(32, 32));
    g->addWidget(art, 5, 2);
    return page;
}

QMenu* TEmail::buildHelpMenu() {
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("HelpMenu"));
    struct Leaf {
        const char* item;
        int submenu; // 0 none, 1 "E-mail List Help", 2 "Setup Help"
        const char* hint;
        const char* caption;
        QString text;
    };
    const QString setupHelp = QStringLiteral("E-mail Setup Help");
    const QList<Leaf> leaves = {
        {"Send Mail Help", 0, "Send Mail Help", "E-mail Help",
         "Send Mail:\r\rThe Send Mail method sends the E-Mail message, if everything is setup "
         "right.\r\rBefore you Send Mail you have to Setup your e-mail information on the Setup "
         "Page.\r"},
        {"Disconnect Help", 0, "Disconnect Help", "E-mail Help",
         "Disconnect:\r\rIf you are connected this disconnects you.\r\rThe Send Mail Button "
         "connects you, sends the mail, and then disconnects you if the e-mail was sent "
         "right.\rElse use this Button to disconnect.\r"},
        {"E-mail List", 1, "E-mail List", "E-mail List Help",
         "E-mail List:\r\rDouble click a e-mail address in the list, and the e-mail address is "
         "placed in the TO: Box.\r"},
        {"Name List", 1, "Name List", "E-mail List Help",
         "Name List:\r\rDouble click a name in the list, and the e-mail address is placed in the "
         "TO: Box.\r"},
        {"E-mail Address", 1, "Enter E-mail Address", "E-mail List Help",
         "Enter E-mail Address:\r\rEnter the e-mail address you want to add to the list.\r"},
        {"Enter Name", 1, "Enter Name", "E-mail List Help",
         "Enter Name:\r\rEnter the name you want to add to the list.\r"},
        {"Add", 1, "Add Button", "E-mail List Help",
         "Add Button:\r\rClick here to add the e-mail address, and name to the list.\r\rTo remove "
         "a e-mail address and name from the list, highlight a e-mail address or name and click "
         "the right mouse button.\r"},
        {"Host", 2, "Enter you e-mail host:", "E-mail Setup Help",
         "Enter you e-mail host:\r\rHere you enter your e-mail host.\rExample: " + kExampleHost +
             ".\r"},
        {"User ID", 2, "Enter your User ID:", "E-mail Setup Help",
         "Enter your User ID:\r\rHere you enter your e-mail UserID.\rExample: Your password.\r"},
        {"E-mail Address", 2, "Enter your e-mail address:", "E-mail Setup Help",
         "Enter your e-mail address:\r\rHere you enter your e-mail address.\rExample: " +
             kExampleAddress + ".\r"},
        {"Name", 2, "Enter your name:", "E-mail Setup Help",
         "Enter your name:\r\rHere you enter your name.\r"},
        {"Save Setup", 2, "Save Setup Button", "E-mail Setup Help",
         "Save Setup Button:\r\rClick here to save your e-mail setup information.\r"},
        {"Select File Help", 0, "Select File Help", "E-mail Help",
         "Select file to send Button:\r\rClick here to select the file you want to send.\r"},
        {"Select File Type Help", 0, "Select File Type Help", "E-mail Help",
         "Select File Type:\r\rSelect the type of file your are sending.\r\rThe type is used for "
         "specifying a sub-type for e-mail documents.\r     HTML (Hyper Text Markup Language) "
         "Document.\r     Rich Text Format.\r     SGML (Standard Generalized Markup Language) "
         "Document.\r     Plain Text Format (Default).\r"},
    };
    QMenu* subs[3] = {menu, nullptr, nullptr};
    for (const Leaf& leaf : leaves) {
        if (leaf.submenu && !subs[leaf.submenu]) {
            const char* title = leaf.submenu == 1 ? "E-mail List Help" : "Setup Help";
            subs[leaf.submenu] = menu->addMenu(QString::fromLatin1(title));
            subs[leaf.submenu]->setObjectName(leaf.submenu == 1 ? "EmailListHelp" : "SetupHelp");
            hints::set(subs[leaf.submenu]->menuAction(), QString::fromLatin1(title));
        }
        QAction* a = subs[leaf.submenu]->addAction(QString::fromLatin1(leaf.item));
        hints::set(a, QString::fromLatin1(leaf.hint));
        const Prompts::Box box{QString::fromLatin1(leaf.caption), leaf.text,
                               Prompts::Icon::Question, Prompts::Ok};
        // Owned by the launcher strip in the original layout: no owner here,
        // so the box is application-wide.
        connect(a, &QAction::triggered, this,
                [this, box] { guard([this, box] { context_.prompts->box(nullptr, box); }); });
    }
    return menu;
}

void TEmail::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    guard([this] {
        const std::optional<uint32_t> colour = sender_->settings().programColor();
        systemcolors::paintBackground(this, colour.value_or(colortext::BtnFace));
        const EmailSetup s = sender_->settings().read();
        const QString values[] = {s.host, s.userId, s.address, s.name};
        for (int i = 0; i < 4; ++i) {
            if (!values[i].isEmpty())
                setupLabels_[i]->setText(values[i]);
        }
        book_.reload();
        fillLists();
    });
}

void TEmail::closeEvent(QCloseEvent* event) {
    guard([this] { sender_->closing(); });
    QWidget::closeEvent(event);
}

void TEmail::fillLists() {
    const QSignalBlocker b1(listBox1_);
    const QSignalBlocker b2(listBox2_);
    listBox1_->clear();
    listBox1_->addItems(book_.addresses());
    listBox2_->clear();
    listBox2_->addItems(book_.names());
}

bool TEmail::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
        for (QListWidget* l : {listBox1_, listBox2_}) {
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
    guard([this] {
        Prompts& p = *context_.prompts;
        if (!p.confirm(this,
                       QStringLiteral("Are you sure you want to save the the e-mail setup now?")))
            return;
        const struct {
            QLineEdit* edit;
            const char* text;
        } checks[] = {{host1_, "You have to enter your e-mail Host."},
                      {userId1_, "You have to enter your UserID."},
                      {eaddress1_, "You have to enter your e-mail address."},
                      {yname1_, "You have to enter your name."}};
        for (const auto& c : checks) {
            if (c.edit->text().isEmpty()) {
                p.notice(this, QString::fromLatin1(c.text));
                focusIfShowing(c.edit);
                return;
            }
        }
        sender_->settings().write(
            {host1_->text(), userId1_->text(), eaddress1_->text(), yname1_->text()});
        p.notice(this, QStringLiteral("The e-mail information was saved!"));
        panel4_->hide();
        panel3_->show();
    });
}

void TEmail::AddToListBtnClick() {
    guard([this] {
        if (edit1_->text().isEmpty() || edit2_->text().isEmpty()) {
            context_.prompts->notice(
                this,
                QStringLiteral("You have to fill in the E-mail Address Box, and the Name Box!"));
            focusIfShowing(edit1_);
            return;
        }
        book_.add(edit1_->text(), edit2_->text());
        fillLists();
        edit1_->clear();
        edit2_->clear();
        focusIfShowing(edit1_);
    });
}

void TEmail::ListMouseDownRight(QListWidget* list) {
    guard([this, list] {
        const int row = list->currentRow();
        if (row < 0)
            return; // nothing was picked, so nothing can be deleted
        const Prompts::Box box{
            QStringLiteral("Delete Item?"),
            QStringLiteral("Are you sure you want to delete this item from the list?"),
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
        if (row < 0 || row >= book_.addresses().size())
            return;
        to1_->setText(book_.addresses()[row]);
        QListWidget* other = list == listBox1_ ? listBox2_ : listBox1_;
        const QSignalBlocker block(other);
        other->setCurrentRow(row);
        panel2_->hide();
    });
}

QString TEmail::to() const {
    return to1_->text();
}
void TEmail::setTo(const QString& text) {
    to1_->setText(text);
}
QString TEmail::subject() const {
    return subject1_->text();
}

bool TEmail::setupShown() const {
    for (QLabel* l : setupLabels_) {
        if (!l->text().isEmpty())
            return true;
    }
    return false;
}

void TEmail::focus(Field field) {
    switch (field) {
    case Field::Host:
        return focusIfShowing(host1_);
    case Field::To:
        return focusIfShowing(to1_);
    case Field::Subject:
        return focusIfShowing(subject1_);
    case Field::Edit1:
        return focusIfShowing(edit1_);
    }
}

void TEmail::showFileType(std::optional<FileType> type) {
    for (QAbstractButton* b : ftype1_->buttons())
        b->setChecked(type && ftype1_->id(b) == int(*type));
}

void TEmail::setConnectionText(const QString& text) {
    inf1_->setText(text);
}
void TEmail::setStatusText(const QString& text) {
    statusBar1_->showMessage(text);
}
