#include "filemanager/window/HelpPage.h"

#include "filemanager/PathnookHelp.h"
#include "ui/Captions.h"
#include "ui/DrawnArt.h"
#include "ui/HintRouter.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
// The strings the user sees, translated under this name.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(HelpPage)
};
} // namespace

HelpPage::HelpPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Panel3"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
    auto* v = new QVBoxLayout(this);
    auto* head = new QHBoxLayout;
    head->addWidget(new drawnart::ArtView(drawnart::Art::FolderTree, this));
    auto* title = new QLabel(Text::tr("Pathnook Help"), this);
    title->setObjectName(QStringLiteral("HelpTitle"));
    QFont f = title->font();
    f.setBold(true);
    f.setUnderline(true);
    f.setPointSize(f.pointSize() + 4);
    title->setFont(f);
    title->setStyleSheet(QStringLiteral("color: yellow"));
    head->addWidget(title, 1, Qt::AlignCenter);
    head->addWidget(new drawnart::ArtView(drawnart::Art::FolderTree, this));
    v->addLayout(head);
    auto* text = new QPlainTextEdit(this);
    text->setObjectName(QStringLiteral("HelpText"));
    text->setReadOnly(true);
    captions::tie(title, text);
    text->setPlainText(pathnookhelp::text());
    QPalette tp = text->palette();
    tp.setColor(QPalette::Base, tp.color(QPalette::ToolTipBase));
    tp.setColor(QPalette::Text, tp.color(QPalette::ToolTipText));
    text->setPalette(tp);
    v->addWidget(text, 1);
    close = new QPushButton(Text::tr("Close"), this);
    close->setObjectName(QStringLiteral("CloseHelpButton"));
    hints::set(close, Text::tr("Close this window"));
    v->addWidget(close, 0, Qt::AlignHCenter);
}
