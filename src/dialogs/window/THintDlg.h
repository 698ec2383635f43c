#pragma once
#include <QPoint>
#include <QWidget>
#include <cstdint>

class QStatusBar;
struct AppContext;

// The hint strip: a borderless status bar that sits on top of the launcher
// strip, 18 pixels above it, and shows the long hints.
class THintDlg : public QWidget {
    Q_OBJECT
public:
    static constexpr int StripGap = 18;

    explicit THintDlg(AppContext& context, QWidget* parent = nullptr);

    AppContext& context() { return context_; }
    QStatusBar* statusBar1() const { return statusBar1_; }

    // Where the hint strip stands for a strip with this top-left corner.
    static QPoint placeFor(QPoint stripTopLeft) {
        return {stripTopLeft.x(), stripTopLeft.y() - StripGap};
    }

    bool isOpen() const { return open_; }
    // "Open Hint...": closes an open hint strip, otherwise shows it in the
    // program colour above the strip.
    void Hint1Click(QPoint stripTopLeft, uint32_t programColour);
    // The strip moved or hid: the hint strip goes along, shown or not.
    void follow(QPoint stripTopLeft);
    void closeHint();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    // The controls, pictures and menus: made at once, or when first needed.
    void buildWindow();
    AppContext& context_;
    QStatusBar* statusBar1_ = nullptr;
    bool open_ = false;
};
