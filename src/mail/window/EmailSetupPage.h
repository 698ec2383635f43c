#pragma once
#include "mail/EmailSetupSaver.h"
#include "mail/window/EmailPages.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

// Panel4: the account. At every showing the edits show what is stored, so a
// changed password needs no retyping of the rest; without a stored account
// the connection controls show what a new one most likely needs.
class EmailSetupPage : public QWidget {
    Q_OBJECT
public:
    explicit EmailSetupPage(QWidget* parent);
    SetupEntry entry() const;
    void showCurrent(const EmailSetup& setup);
    // The stored account into the edits and the connection controls.
    void showStored(const EmailSetup& setup);
    // What "Find Settings" found: port and security.
    void showFound(const EmailSetup& setup);
    QWidget* field(SetupView::Field field) const;

    QLineEdit* host1;
    QLineEdit* userId1;
    QLineEdit* eaddress1;
    QLineEdit* yname1;
    QSpinBox* port1;
    QComboBox* security1;
    QCheckBox* signIn1;
    QLineEdit* authUser1;
    QLineEdit* password1;
    QSpinBox* timeLimit1;    // seconds without progress before a wait ends
    ElidedLabel* current[4]; // Label15 .. Label18
    QPushButton* test;
    QPushButton* find;
    QPushButton* save;
    QPushButton* close;

private:
    void securityChosen(int index);
    void signInToggled(bool on);
};
