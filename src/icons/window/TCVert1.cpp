#include "icons/window/TCVert1.h"

#include "context/AppContext.h"
#include "context/Prompts.h"
#include "context/ToolWindows.h"
#include "icons/IconToolSettings.h"
#include "icons/window/IconToolParts.h"
#include "ui/ActionGuard.h"
#include "ui/HintRouter.h"
#include "ui/LazyIcon.h"
#include "ui/SystemColors.h"
#include "ui/ToolWindow.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QShowEvent>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
// The strings the user sees, translated under this name.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(TCVert1)
};

struct HelpEntry {
    const char* name;
    const char* caption;
    const char* hint;
    const char* boxCaption;
    const char* text;
};

const HelpEntry helpEntries[] = {
    {"OpenIconHelp1", QT_TRANSLATE_NOOP("TCVert1", "Open Icon Help..."),
     QT_TRANSLATE_NOOP("TCVert1", "Open icon file"),
     QT_TRANSLATE_NOOP("TCVert1", "Open Icon File:"),
     QT_TRANSLATE_NOOP("TCVert1", "Here you open a Icon file to to convert to a Bitmap.\r")},
    {"SaveBitmapHelp1", QT_TRANSLATE_NOOP("TCVert1", "Save Bitmap Help..."),
     QT_TRANSLATE_NOOP("TCVert1", "Save converted bitmap as..."),
     QT_TRANSLATE_NOOP("TCVert1", "Save Picture As:"),
     QT_TRANSLATE_NOOP("TCVert1", "Here you save the converted icon as a bitmap.\r")},
    {"ConvertIconHelp1", QT_TRANSLATE_NOOP("TCVert1", "Convert Icon Help..."),
     QT_TRANSLATE_NOOP("TCVert1", "Convert the icon to a bitmap"),
     QT_TRANSLATE_NOOP("TCVert1", "Convert the Icon:"),
     QT_TRANSLATE_NOOP("TCVert1", "Here you convert the icon to a bitmap.\r")},
};

// The window's own icon: a small icon frame turning into a bitmap square.
QIcon converterIcon() {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(Qt::black);
    p.setBrush(QColor(0, 128, 128));
    p.drawRect(1, 1, 13, 13);
    p.setBrush(QColor(255, 255, 0));
    p.drawRect(17, 17, 13, 13);
    p.drawLine(15, 8, 23, 8);
    p.drawLine(23, 8, 23, 15);
    return QIcon(pixmap);
}

} // namespace

TCVert1::TCVert1(AppContext& context, QWidget* parent)
    : QWidget(parent), context_(context), converter_(*context.prompts, this) {
    toolwindow::buildOrDefer(this, [this] { buildWindow(); });
}

void TCVert1::buildWindow() {
    toolwindow::setUp(this, QStringLiteral("CVert1"), Text::tr("Convert Icons to Bitmaps"),
                      QSize(227, 190), toolwindow::Border::Fixed);
    setWindowIcon(converterIcon());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    buildToolBar();

    panel1_ = new QFrame(this);
    panel1_->setObjectName(QStringLiteral("Panel1"));
    panel1_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel1_->setLineWidth(1);
    panel1_->setFixedSize(227, 142);
    image1_ = new QLabel(panel1_);
    image1_->setObjectName(QStringLiteral("Image1"));
    image1_->setGeometry(0, 0, 32, 32);
    image1_->setAlignment(Qt::AlignCenter);
    image2_ = new QLabel(panel1_);
    image2_->setObjectName(QStringLiteral("Image2"));
    image2_->setGeometry(88, 56, 32, 32);
    for (QLabel* image : {image1_, image2_}) {
        image->setMouseTracking(true);
        image->installEventFilter(this);
    }
    layout->addWidget(panel1_);
    layout->addStretch(1);
    statusBar1_ = toolwindow::addStatusBar(this, false);

    popupMenu2_ = new QMenu(this);
    popupMenu2_->setObjectName(QStringLiteral("PopupMenu2"));
    connect(icontoolparts::addItem(popupMenu2_, QStringLiteral("CopytoClipboard1"),
                                   Text::tr("Copy to Clipboard"),
                                   Text::tr("Copy the bitmap to the clipboard")),
            &QAction::triggered, this, [this] { guard([this] { CopytoClipboard1Click(); }); });
    connect(icontoolparts::addItem(popupMenu2_, QStringLiteral("Properties2"),
                                   Text::tr("Properties"), Text::tr("Bitmap properties")),
            &QAction::triggered, this, [this] { guard([this] { Properties2Click(); }); });
}

void TCVert1::guard(const std::function<void()>& body) {
    actionguard::run(*context_.prompts, this, body);
}

void TCVert1::buildToolBar() {
    auto* bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("ToolBar1"));
    bar->setFixedHeight(29);
    bar->setIconSize(QSize(20, 20));
    auto add = [&](const char* name, QStyle::StandardPixmap icon, const char* hint,
                   void (TCVert1::*handler)()) {
        QToolButton* b = icontoolparts::addButton(bar, QString::fromLatin1(name), QString(),
                                                  lazyicon::standard(icon), Text::tr(hint));
        if (handler)
            connect(b, &QToolButton::clicked, this,
                    [this, handler] { guard([=, this] { (this->*handler)(); }); });
        return b;
    };
    add("OpenIcon1", QStyle::SP_DialogOpenButton, QT_TRANSLATE_NOOP("TCVert1", "Open a Icon File"),
        &TCVert1::OpenIcon1Click);
    bar->addSeparator();
    add("SavePicture", QStyle::SP_DialogSaveButton, QT_TRANSLATE_NOOP("TCVert1", "Save Picture As"),
        &TCVert1::SavePictureClick);
    bar->addSeparator();
    add("ConvertIt", QStyle::SP_BrowserReload, QT_TRANSLATE_NOOP("TCVert1", "Convert the Icon"),
        &TCVert1::ConvertItClick);
    bar->addSeparator();
    QToolButton* about = add("About1", QStyle::SP_MessageBoxInformation,
                             QT_TRANSLATE_NOOP("TCVert1", "Open About"), nullptr);
    connect(about, &QToolButton::clicked, this, [this] {
        guard([this] {
            if (context_.tools)
                context_.tools->showAbout();
        });
    });
    QToolButton* help = add("Help1", QStyle::SP_DialogHelpButton,
                            QT_TRANSLATE_NOOP("TCVert1", "Open Help"), nullptr);
    popupMenu1_ = new QMenu(this);
    popupMenu1_->setObjectName(QStringLiteral("PopupMenu1"));
    for (int i = 0; i < 3; ++i) {
        const HelpEntry& e = helpEntries[i];
        connect(icontoolparts::addItem(popupMenu1_, QString::fromLatin1(e.name),
                                       Text::tr(e.caption), Text::tr(e.hint)),
                &QAction::triggered, this, [this, i] { guard([this, i] { HelpMessage(i + 1); }); });
    }
    help->setMenu(popupMenu1_);
    help->setPopupMode(QToolButton::InstantPopup);
    bar->addSeparator();
    add("Close1", QStyle::SP_DialogCloseButton, QT_TRANSLATE_NOOP("TCVert1", "Close this program"),
        &TCVert1::Close1Click);
    layout()->addWidget(bar);
}

void TCVert1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous())
        guard([this] { FormShow(); });
}

void TCVert1::FormShow() {
    const uint32_t colour = icontoolsettings::programColour(*context_.controlFile);
    systemcolors::paintBackground(this, colour);
    systemcolors::paintBackground(panel1_, colour);
}

void TCVert1::showPictures() {
    const Picture& icon = converter_.icon();
    image1_->setPixmap(icon.isEmpty() ? QPixmap() : QPixmap::fromImage(icon.image()));
    const QImage& bitmap = converter_.bitmap();
    image2_->setPixmap(bitmap.isNull() ? QPixmap() : QPixmap::fromImage(bitmap));
}

void TCVert1::OpenIcon1Click() {
    converter_.open();
    showPictures();
}

void TCVert1::ConvertItClick() {
    const QColor background =
        systemcolors::resolve(systemcolors::backgroundValue(panel1_), panel1_->palette());
    if (!converter_.convert(background))
        return;
    showPictures();
    SavePictureClick();
}

void TCVert1::SavePictureClick() {
    converter_.save();
}

void TCVert1::CopytoClipboard1Click() {
    converter_.copyToClipboard();
}

void TCVert1::Properties2Click() {
    converter_.properties();
}

void TCVert1::Close1Click() {
    converter_.close();
    close();
}

void TCVert1::HelpMessage(int number) {
    const HelpEntry& e = helpEntries[number - 1];
    Prompts::Box box;
    box.caption = Text::tr(e.boxCaption);
    box.text = Text::tr(e.text);
    box.icon = Prompts::Icon::Question;
    box.buttons = Prompts::Ok;
    context_.prompts->box(nullptr, box);
}

bool TCVert1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove) {
        if (watched == image1_ && converter_.iconOpen())
            statusBar1_->showMessage(converter_.openedName());
        else if (watched == image2_)
            statusBar1_->showMessage(converter_.savedName());
    } else if (event->type() == QEvent::ContextMenu && watched == image2_) {
        popupMenu2_->popup(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
