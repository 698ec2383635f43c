#pragma once
// The strip's controls as the window's helpers see them: typed, by number,
// never looked up by object name. They also give the logic its values
// (StripView), once for the strip window and for the tests' stand-in.
// A table's controls may be made later than the strip (tableMade); the
// values the logic gives a table not made yet wait in WaitingValues.
#include "strip/StripView.h"
#include "strip/WaitingValues.h"
#include "strip/window/ButtonImage.h"

#include <QString>

class CutBox;
class QFrame;
class QLabel;
class QMenu;

class StripControls : public StripView {
public:
    // The top-level window: its place, style and drops; parent of the boxes.
    virtual QWidget* stripWindow() const = 0;
    virtual QWidget* panelLeft() const = 0;
    virtual QWidget* panelRight() const = 0;
    virtual QLabel* label1() const = 0;
    virtual QLabel* label2() const = 0;
    virtual QWidget* imageMove() const = 0;
    virtual QWidget* imageExit() const = 0;
    virtual QLabel* labelHide() const = 0;
    // Asking for a table's controls makes them when they are not made yet.
    virtual QFrame* table(int t) const = 0;              // 1..30
    virtual QFrame* buttonPanel(int n) const = 0;        // 1..360
    virtual ButtonImage* buttonPicture(int n) const = 0; // 1..360
    virtual bool tableMade(int /*t*/) const { return true; }
    virtual CutBox* cutTo(int i) const = 0; // 1..3
    // PopupMenu1, opened by a right click over a button picture.
    virtual QMenu* buttonMenu() const = 0;

    // StripView, on the controls above.
    QWidget* owner() override { return stripWindow(); }
    QWindow* stripHandle() override;
    void setButtonPicture(int n, const Picture& picture) override;
    void setButtonHint(int n, const QString& hint) override;
    QString buttonHint(int n) const override;
    void setButtonDimmed(int n, bool dimmed) override;
    void setTableCaption(const QString& text) override;
    void setButtonNumberText(const QString& text) override;
    void setKeyboardMark(int n) override;
    void setColor(StripSettings::ColorTarget target, uint32_t value) override;
    void setStayOnTop(bool on) override;
    void showOnlyTable(int t) override;
    void setTableTop(int t, int top) override;
    QPoint stripPos() const override;
    void moveStrip(QPoint topLeft) override;
    QSize stripSize() const override;
    QSize stripFrameSize() const override;
    QRect stripPlaced() const override;
    void awaitPlace(QRect wanted, std::function<void(QRect)> then) override;
    void setStripNarrowed(bool narrowed) override;
    bool stripNarrowed() const override { return narrowed_; }
    void setStripUnmanaged() override;
    // Takes the keyboard, as the program's window brought forward.
    void askKeyboard();
    bool stripUnmanaged() const override;
    void setHideBarRed(bool red) override;
    void setHideBarHint(const QString& hint) override;
    void setCutText(int i, const QString& text) override;

    // Label1's and Label2's texts, also while they wait for the first show.
    QString tableCaption() const;
    QString buttonNumberText() const;

protected:
    // Gives a table just made what the logic set while it was not, and the
    // look every table shares. Called by the implementation that made it.
    void applyWaitingValues(int t);
    // Until the strip is first on screen its label texts wait and screen
    // readers are not told of changes: telling one, even asking whether one
    // listens, connects to the session bus, a wait the strip's first map need
    // not have. Released right after the map, before the first paint.
    void holdTexts() { waiting_.holdTexts(); }
    void releaseTexts();

private:
    bool buttonMade(int n) const;

    void tellReaders(QWidget* control, int what) const;

    int keyboardMark_ = 0;
    bool narrowed_ = false;
    int shownTable_ = 1; // a table made later is hidden unless it is this one
    WaitingValues waiting_;
};
