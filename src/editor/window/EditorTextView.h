#pragma once
#include "editor/EditSession.h"

#include <functional>

class QPlainTextEdit;
class QStatusBar;

// The session's view over the window's plain-text editor and status line.
// Text the session puts in does not count as the user's change; the
// callback `userChanged` hears of every change the user makes otherwise
// (typing, pasting or dropping with the mouse, undo).
class EditorTextView : public EditorView {
public:
    EditorTextView(QPlainTextEdit* editor, QStatusBar* status, std::function<void()> userChanged);

    QString text() const override;
    void setText(const QString& text) override;
    void patchText(const QString& text) override;
    void showFileName(const QString& path) override;
    void applyFont(const EditorFont& font) override;
    void applyWordWrap(bool on) override;
    QColor screenColor(uint32_t value) const override;

private:
    QPlainTextEdit* editor_;
    QStatusBar* status_;
    bool programmatic_ = false;
};
