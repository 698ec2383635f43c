#pragma once
#include <QDialog>
#include <functional>

class QLabel;
class QPushButton;
class QTimer;
struct AppContext;

// The reminder window: borderless and red, shown modally; it flashes and
// beeps for ten seconds.
class TReminder : public QDialog {
    Q_OBJECT
public:
    explicit TReminder(AppContext& context, QWidget* parent = nullptr);

    AppContext& context() { return context_; }
    // The system beep by default; tests count the beeps.
    void setBeep(std::function<void()> beep) { beep_ = std::move(beep); }

    // The reminder is due: one beep, then the window modally over the owner.
    void showReminder(QWidget* owner);

    QPushButton* closeButton() const { return closeWindowlBtn1_; }
    QTimer* timer1() const { return timer1_; }
    int flashTick() const { return flashTick_; }
    QColor colour() const;

    void Timer1Timer();

protected:
    void showEvent(QShowEvent* event) override;

public slots:
    void done(int result) override;

private:
    // The controls, pictures and menus: made at once, or when first needed.
    void buildWindow();
    void setColour(const QColor& colour);

    AppContext& context_;
    QLabel* label1_ = nullptr;
    QPushButton* closeWindowlBtn1_ = nullptr;
    QTimer* timer1_ = nullptr;
    std::function<void()> beep_;
    int flashTick_ = 0;
};
