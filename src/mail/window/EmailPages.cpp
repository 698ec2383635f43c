#include "mail/window/EmailPages.h"
#include "mail/window/PageParts.h"

#include "mail/window/AttachmentListView.h"
#include "ui/Captions.h"
#include "ui/DrawnArt.h"
#include "ui/HintRouter.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionFrame>

using namespace pageparts;

QIcon mailGlyph(MailGlyph g) {
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 2));
    switch (g) {
    case MailGlyph::Send: // an envelope
        p.setBrush(QColor(255, 250, 205));
        p.drawRect(4, 8, 24, 17);
        p.drawPolyline(QPolygon({QPoint(4, 8), QPoint(16, 18), QPoint(28, 8)}));
        break;
    case MailGlyph::Disconnect: // a plug pulled apart
        p.setBrush(Qt::gray);
        p.drawRect(3, 12, 10, 8);
        p.drawRect(19, 12, 10, 8);
        p.setPen(QPen(Qt::red, 3));
        p.drawLine(14, 6, 18, 26);
        break;
    case MailGlyph::List: // lines of a list
        p.setBrush(Qt::white);
        p.drawRect(5, 4, 22, 24);
        for (int y = 10; y <= 22; y += 6)
            p.drawLine(9, y, 23, y);
        break;
    case MailGlyph::Setup: // a cog
        p.setBrush(QColor(120, 140, 170));
        p.drawEllipse(QPoint(16, 16), 10, 10);
        p.setBrush(Qt::white);
        p.drawEllipse(QPoint(16, 16), 4, 4);
        break;
    case MailGlyph::Help: // a question mark
        p.setBrush(QColor(70, 110, 220));
        p.drawEllipse(3, 3, 26, 26);
        p.setPen(Qt::white);
        p.setFont(QFont(QStringLiteral("Sans"), 16, QFont::Bold));
        p.drawText(QRect(3, 3, 26, 26), Qt::AlignCenter, QStringLiteral("?"));
        break;
    }
    return QIcon(pm);
}

QSize ElidedLabel::minimumSizeHint() const {
    return {fontMetrics().horizontalAdvance(QStringLiteral("W…")),
            QLabel::minimumSizeHint().height()};
}

QSize ElidedLabel::sizeHint() const {
    return minimumSizeHint();
}

void ElidedLabel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = contentsRect();
    const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, r.width());
    style()->drawItemText(&p, r, int(alignment()), palette(), isEnabled(), shown, foregroundRole());
}

EmailSendPage::EmailSendPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Panel3"));
    auto* g = new QGridLayout(this);
    g->addWidget(heading(tr("Send E-mail"), this), 0, 0, 1, 4);
    g->addWidget(new QLabel(tr("**Required"), this), 1, 0);
    to1 = edit("To1", this);
    g->addWidget(captions::make(tr("**To:"), to1, this), 2, 0);
    g->addWidget(to1, 2, 1);
    subject1 = edit("Subject1", this);
    g->addWidget(captions::make(tr("**Subject:"), subject1, this), 3, 0);
    g->addWidget(subject1, 3, 1);
    selectFile = button("SelectFileBtn", "...", tr("Select a file to send"), this);
    selectFile->setFixedWidth(28);
    g->addWidget(captions::make(tr("**Select file to send:"), selectFile, this), 4, 0);
    g->addWidget(selectFile, 4, 1, Qt::AlignLeft);

    auto* group = new QGroupBox(tr("Select File Type"), this);
    group->setObjectName(QStringLiteral("Ftype1"));
    auto* gl = new QVBoxLayout(group);
    ftype1 = new QButtonGroup(group);
    ftype1->setExclusive(false); // "none selected" must be possible again
    const QStringList types = {tr("HTML"), tr("RichEdit"), tr("SGML Document"),
                               tr("Text (Default)")};
    for (int i = 0; i < types.size(); ++i) {
        auto* r = new QRadioButton(types[i], group);
        r->setObjectName(QStringLiteral("Ftype1_%1").arg(i));
        ftype1->addButton(r, i);
        gl->addWidget(r);
    }
    g->addWidget(group, 1, 2, 4, 1);
    g->addWidget(new QLabel("**", this), 1, 3);
    inf1 = coloured(QString(), Qt::red, this, "inf1");
    g->addWidget(inf1, 5, 0, 1, 2);
    send = button("SendMailBtn", tr("Send Mail"), tr("Send the e-mail"), this);
    g->addWidget(send, 5, 2);
    auto* art1 = new drawnart::ArtView(drawnart::Art::MoreItem, this);
    art1->setObjectName(QStringLiteral("Image1"));
    g->addWidget(art1, 5, 3);
    auto* art2 = new QLabel(this);
    art2->setObjectName(QStringLiteral("Image2"));
    art2->setPixmap(mailGlyph(MailGlyph::Send).pixmap(32, 32));
    g->addWidget(art2, 2, 3);
    attachments = new AttachmentListView(this);
    g->addWidget(attachments, 6, 0, 1, 4);
}

EmailListPage::EmailListPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Panel2"));
    auto* g = new QGridLayout(this);
    auto makeList = [&](const QString& name) {
        auto* l = new QListWidget(this);
        l->setObjectName(name);
        QPalette pal = l->palette();
        pal.setColor(QPalette::Base, pal.color(QPalette::ToolTipBase));
        pal.setColor(QPalette::Text, Qt::blue);
        l->setPalette(pal);
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
        l->setUniformItemSizes(true);
        return l;
    };
    listBox1 = makeList("ListBox1");
    listBox2 = makeList("ListBox2");
    g->addWidget(captions::make(tr("E-mail List"), listBox1, this), 0, 0);
    g->addWidget(captions::make(tr("Name List"), listBox2, this), 0, 1);
    g->addWidget(listBox1, 1, 0, 4, 1);
    g->addWidget(listBox2, 1, 1, 4, 1);
    edit1 = edit("Edit1", this);
    edit2 = edit("Edit2", this);
    g->addWidget(captions::make(tr("Enter E-mail Address:"), edit1, this), 1, 2);
    g->addWidget(edit1, 2, 2);
    g->addWidget(captions::make(tr("Enter Name:"), edit2, this), 3, 2);
    g->addWidget(edit2, 4, 2);
    add = button("AddToListBtn", tr("Add"), tr("Add to lists"), this);
    g->addWidget(add, 5, 0);
    close = button("CloseWindowBtn", tr("Close"), tr("Close this window"), this);
    g->addWidget(close, 5, 1);
    auto* art = new QLabel(this);
    art->setObjectName(QStringLiteral("Image3"));
    art->setPixmap(mailGlyph(MailGlyph::List).pixmap(32, 32));
    g->addWidget(art, 5, 2);
}
