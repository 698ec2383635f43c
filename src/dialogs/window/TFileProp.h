#pragma once
#include <QWidget>
#include <cstdint>

class QPlainTextEdit;
class QPushButton;
struct AppContext;

// The file-properties window; it stays on top. Its text is read-only and
// Escape closes it.
class TFileProp : public QWidget {
    Q_OBJECT
public:
    explicit TFileProp(AppContext& context, QWidget* parent = nullptr);

    AppContext& context() { return context_; }
    QPlainTextEdit* memo1() const { return memo1_; }
    QPushButton* closeButton() const { return closeWindowBtn_; }

    // "File Prop..." for button n, in the program colour. A window already
    // showing is only brought to the front and keeps its lines.
    void showFor(int button, uint32_t programColour);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // The controls, pictures and menus: made at once, or when first needed.
    void buildWindow();
    AppContext& context_;
    QPlainTextEdit* memo1_ = nullptr;
    QPushButton* closeWindowBtn_ = nullptr;
};
