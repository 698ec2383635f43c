#pragma once
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

class QAction;
class QStatusBar;
class QWidget;

// A hint "short|long": the tooltip shows the short part, the status bars the
// long part. A hint without "|" is both.
namespace hints {
QString shortPart(const QString& hint);
QString longPart(const QString& hint);
// Gives a control or menu item its hint: tooltip, status tip and the whole
// text kept for readers (of()).
void set(QWidget* widget, const QString& hint);
void set(QAction* action, const QString& hint);
QString of(const QObject* object);
} // namespace hints

// Routes every status-tip change of the application (controls and menu
// items alike, also the empty text when the pointer leaves) to the status
// bars it was given, in their order, whether their windows are shown or not.
class HintRouter : public QObject {
    Q_OBJECT
public:
    explicit HintRouter(QObject* parent = nullptr);
    ~HintRouter() override;

    // Starts catching the application's status-tip changes.
    void install();
    void addStatusBar(QStatusBar* bar);
    QList<QStatusBar*> statusBars() const;
    // Shows a long hint in every status bar.
    void route(const QString& longHint);
    const QString& current() const { return current_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QList<QPointer<QStatusBar>> bars_;
    QString current_;
    bool installed_ = false;
};
