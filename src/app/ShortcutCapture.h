#pragma once
#include <QDialog>
#include <QString>
#include <cstdint>
#include <optional>

class QLabel;

// The small box that takes the global shortcut: the user presses the keys
// they want. Keys without Ctrl, Alt or Super (but for F1..F35) are turned
// down, as they would take typing away from every other program.
class ShortcutCapture : public QDialog {
    Q_OBJECT
public:
    struct Keys {
        uint32_t keysym = 0; // 0: no shortcut
        uint16_t modifiers = 0;
        QString text; // as the user's keyboard names them
    };

    ShortcutCapture(const QString& current, QWidget* parent);
    // What was chosen, once accepted: keys, or none (keysym 0).
    const Keys& chosen() const { return chosen_; }
    static bool acceptable(int key, Qt::KeyboardModifiers modifiers);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLabel* advice_ = nullptr;
    Keys chosen_;
};
