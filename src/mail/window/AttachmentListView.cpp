#include "mail/window/AttachmentListView.h"

#include "mail/AttachmentList.h"
#include "mail/MimeMessage.h"
#include "mail/window/PageParts.h"
#include "ui/Captions.h"
#include "ui/HintRouter.h"

#include <QDropEvent>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QTreeWidget>
#include <QUrl>

namespace {
QStringList localFiles(const QMimeData* data) {
    QStringList paths;
    if (!data)
        return paths;
    const QList<QUrl> urls = data->urls();
    for (const QUrl& url : urls) {
        if (url.isLocalFile())
            paths << url.toLocalFile();
    }
    return paths;
}
} // namespace

AttachmentListView::AttachmentListView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Attachments1"));
    auto* g = new QGridLayout(this);
    g->setContentsMargins(0, 0, 0, 0);
    list = new QTreeWidget(this);
    list->setObjectName(QStringLiteral("AttachList1"));
    list->setColumnCount(2);
    list->setHeaderLabels({tr("Name"), tr("Size")});
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->header()->setStretchLastSection(false);
    list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    list->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    list->setAcceptDrops(true);
    list->viewport()->setAcceptDrops(true);
    list->viewport()->installEventFilter(this);
    list->installEventFilter(this);
    // Four rows show; more scroll.
    list->setFixedHeight(list->header()->sizeHint().height() + 4 * fontMetrics().height() + 8);
    hints::set(list, tr("The files that go with the e-mail; drop files here to add them"));
    g->addWidget(captions::make(tr("Attachments:"), list, this), 0, 0, 1, 1, Qt::AlignTop);
    g->addWidget(list, 0, 1, 3, 1);
    add = pageparts::button(QStringLiteral("AddAttachBtn"), tr("Add..."),
                            tr("Attach a file to the e-mail"), this);
    remove = pageparts::button(QStringLiteral("RemoveAttachBtn"), tr("Remove"),
                               tr("Remove the selected file from the e-mail"), this);
    remove->setEnabled(false);
    g->addWidget(add, 0, 2);
    g->addWidget(remove, 1, 2);
    g->setColumnStretch(1, 1);
    connect(add, &QPushButton::clicked, this, [this] {
        if (actions_.add)
            actions_.add();
    });
    connect(remove, &QPushButton::clicked, this, [this] { removeCurrent(); });
    connect(list, &QTreeWidget::currentItemChanged, this,
            [this] { remove->setEnabled(list->currentItem() != nullptr); });
}

void AttachmentListView::bind(const AttachmentList& attachments, Actions actions) {
    shown_ = &attachments;
    actions_ = std::move(actions);
    connect(&attachments, &AttachmentList::changed, this, [this] { fill(); });
    fill();
}

void AttachmentListView::fill() {
    const int row = list->currentIndex().row();
    list->clear();
    for (const AttachmentList::Entry& e : shown_->entries()) {
        auto* item = new QTreeWidgetItem(list, {e.file.name, mimemessage::shownSize(e.size)});
        item->setToolTip(0, e.file.path);
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    }
    // After a removal the row below (or the new last one) is the current one,
    // so Delete pressed again goes on down the list.
    if (list->topLevelItemCount() > 0 && row >= 0)
        list->setCurrentItem(list->topLevelItem(std::min(row, list->topLevelItemCount() - 1)));
    remove->setEnabled(list->currentItem() != nullptr);
}

void AttachmentListView::removeCurrent() {
    const int row = list->currentIndex().row();
    if (row >= 0 && actions_.remove)
        actions_.remove(row);
}

bool AttachmentListView::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* e = static_cast<QDropEvent*>(event);
        if (localFiles(e->mimeData()).isEmpty())
            return false;
        e->acceptProposedAction();
        return true;
    }
    case QEvent::Drop: {
        auto* e = static_cast<QDropEvent*>(event);
        const QStringList paths = localFiles(e->mimeData());
        if (paths.isEmpty())
            return false;
        e->acceptProposedAction();
        if (actions_.drop)
            actions_.drop(paths);
        return true;
    }
    case QEvent::KeyPress:
        if (watched == list && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
            removeCurrent();
            return true;
        }
        return false;
    default:
        return false;
    }
}
