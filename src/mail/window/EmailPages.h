#pragma once
#include "mail/EmailSetupSaver.h"

#include <QIcon>
#include <QLabel>
#include <QWidget>

class AttachmentListView;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;

// The e-mail window's small pictures, drawn so they stay sharp at any scale.
enum class MailGlyph { Send, Disconnect, List, Setup, Help };
QIcon mailGlyph(MailGlyph glyph);

// A value label that shows as much of its text as fits, ending in "…", so a
// long value never pushes the controls beside it.
class ElidedLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// The examples shown on the setup page and in its help texts.
inline const QString kExampleHost = QStringLiteral("smtp.example.com");
inline const QString kExampleAddress = QStringLiteral("you@example.com");

// Panel3: the mail to send.
class EmailSendPage : public QWidget {
    Q_OBJECT
public:
    explicit EmailSendPage(QWidget* parent);
    QLineEdit* to1;
    QLineEdit* subject1;
    QPushButton* selectFile;
    QButtonGroup* ftype1;
    QLabel* inf1;
    QPushButton* send;
    AttachmentListView* attachments; // files that go with the mail
};

// Panel2: the address book; it lies over whichever page shows.
class EmailListPage : public QWidget {
    Q_OBJECT
public:
    explicit EmailListPage(QWidget* parent);
    QListWidget* listBox1;
    QListWidget* listBox2;
    QLineEdit* edit1;
    QLineEdit* edit2;
    QPushButton* add;
    QPushButton* close;
};
