#include "editor/window/EditorTextView.h"

#include "ui/SystemColors.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStatusBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {

// Marks the session's own changes for the duration of a call.
struct Programmatic {
    bool& flag;
    bool was;
    explicit Programmatic(bool& f) : flag(f), was(f) { flag = true; }
    ~Programmatic() { flag = was; }
};

} // namespace

EditorTextView::EditorTextView(QPlainTextEdit* editor, QStatusBar* status,
                               std::function<void()> userChanged)
    : editor_(editor), status_(status) {
    QObject::connect(editor_->document(), &QTextDocument::contentsChange, editor_,
                     [this, userChanged = std::move(userChanged)](int, int removed, int added) {
                         if (!programmatic_ && (removed > 0 || added > 0))
                             userChanged();
                     });
}

QString EditorTextView::text() const {
    // Not toPlainText(): it turns no-break spaces into spaces, and the file
    // must come back as it was.
    QString raw = editor_->document()->toRawText();
    raw.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return raw;
}

void EditorTextView::setText(const QString& text) {
    Programmatic guard(programmatic_);
    editor_->setPlainText(text);
}

void EditorTextView::patchText(const QString& text) {
    const QString old = this->text();
    qsizetype head = 0;
    const qsizetype shorter = qMin(old.size(), text.size());
    while (head < shorter && old[head] == text[head])
        ++head;
    qsizetype tail = 0;
    while (tail < shorter - head && old[old.size() - 1 - tail] == text[text.size() - 1 - tail])
        ++tail;
    if (head == old.size() && head == text.size())
        return;
    Programmatic guard(programmatic_);
    // One edit of the differing middle keeps the user's place and undo steps.
    QTextCursor cursor(editor_->document());
    cursor.setPosition(int(head));
    cursor.setPosition(int(old.size() - tail), QTextCursor::KeepAnchor);
    cursor.insertText(text.mid(head, text.size() - tail - head));
}

void EditorTextView::showFileName(const QString& path) {
    if (!path.isEmpty())
        status_->showMessage(path);
}

void EditorTextView::applyFont(const EditorFont& font) {
    Programmatic guard(programmatic_);
    editor_->setFont(font.toQFont());
    QPalette pal = editor_->palette();
    const QColor c = screenColor(font.color);
    for (auto group : {QPalette::Active, QPalette::Inactive})
        pal.setColor(group, QPalette::Text, c);
    editor_->setPalette(pal);
}

void EditorTextView::applyWordWrap(bool on) {
    editor_->setLineWrapMode(on ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    editor_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    editor_->setHorizontalScrollBarPolicy(on ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAlwaysOn);
}

QColor EditorTextView::screenColor(uint32_t value) const {
    return systemcolors::resolve(value, QApplication::palette(editor_));
}
