#pragma once
#include "dialogs/AboutRise.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTimer;
struct AppContext;

// The about box, shown modally from the strip's help menu and from the
// About items of the icon tools and the viewer.
class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(AppContext& context, QWidget* parent = nullptr);

    AppContext& context() { return context_; }
    const AboutRise& rise() const { return rise_; }
    QTimer* timer1() const { return timer1_; }

    // Shows the box modally through the prompts; returns when it is closed.
    void showModal(QWidget* owner);

    void ProgramIconClick();
    void SecondIconClick();
    void Timer1Timer();

public slots:
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The controls, pictures and menus: made at once, or when first needed.
    void buildWindow();
    QLabel* label(const QString& name, const QString& text, QRect place);
    void openAddress(const QString& address);
    void showRise();

    AppContext& context_;
    AboutRise rise_;
    QLabel* logo_ = nullptr;
    QLabel* logoArea_ = nullptr;
    QLabel* webLink_ = nullptr;
    QLabel* mailLink_ = nullptr;
    QLabel* programIcon_ = nullptr;
    QLabel* secondIcon_ = nullptr;
    QWidget* panel1_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QTimer* timer1_ = nullptr;
};
