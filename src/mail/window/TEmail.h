#pragma once
#include "mail/AddressBook.h"
#include "mail/MailSender.h"

#include <QWidget>
#include <memory>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QStatusBar;
struct AppContext;

// The e-mail window; it stays on top. It builds the controls and wires them
// to MailSender (the send and the client's events) and AddressBook.
class TEmail : public QWidget, private MailView {
    Q_OBJECT
public:
    explicit TEmail(AppContext& context, QWidget* parent = nullptr);
    ~TEmail() override;

    AppContext& context() { return context_; }
    QStatusBar* statusBar1() const { return statusBar1_; }
    MailSender& sender() { return *sender_; }
    AddressBook& addressBook() { return book_; }

    // The handlers, also what tests press.
    void SendBtnClick();
    void DisconnectBtnClick();
    void SelectFileBtnClick();
    void SaveSetupBtn2Click();
    void AddToListBtnClick();
    void ListMouseDownRight(QListWidget* list);
    void ListDblClick(QListWidget* list);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildToolBar();
    QWidget* buildSendPage();
    QWidget* buildSetupPage();
    QWidget* buildListPage();
    QMenu* buildHelpMenu();
    void fillLists();
    void guard(const std::function<void()>& body);

    // MailView
    QString to() const override;
    void setTo(const QString& text) override;
    QString subject() const override;
    bool setupShown() const override;
    void focus(Field field) override;
    void showFileType(std::optional<FileType> type) override;
    void setConnectionText(const QString& text) override;
    void setStatusText(const QString& text) override;

    AppContext& context_;
    AddressBook book_;
    std::unique_ptr<MailSender> sender_;
    QStatusBar* statusBar1_ = nullptr;
    QWidget* panel2_ = nullptr;
    QWidget* panel3_ = nullptr;
    QWidget* panel4_ = nullptr;
    QLineEdit* to1_ = nullptr;
    QLineEdit* subject1_ = nullptr;
    QLineEdit* host1_ = nullptr;
    QLineEdit* userId1_ = nullptr;
    QLineEdit* eaddress1_ = nullptr;
    QLineEdit* yname1_ = nullptr;
    QLineEdit* edit1_ = nullptr;
    QLineEdit* edit2_ = nullptr;
    QLabel* inf1_ = nullptr;
    QLabel* setupLabels_[4] = {};
    QButtonGroup* ftype1_ = nullptr;
    QListWidget* listBox1_ = nullptr;
    QListWidget* listBox2_ = nullptr;
};
