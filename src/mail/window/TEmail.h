#pragma once
#include "mail/AddressBook.h"
#include "mail/AskedPasswords.h"
#include "mail/EmailSetupSaver.h"
#include "mail/MailSender.h"
#include "mail/SetupTester.h"

#include <QWidget>
#include <memory>

class KeyringPasswords;
class EmailListPage;
class QListWidget;
class QStatusBar;
class EmailSendPage;
class EmailSetupPage;
struct AppContext;

// The e-mail window; it stays on top. It builds the controls and wires them
// to MailSender (the send and the client's events), EmailSetupSaver and
// AddressBook.
class TEmail : public QWidget, private MailView, private SetupView {
    Q_OBJECT
public:
    explicit TEmail(AppContext& context, QWidget* parent = nullptr);
    ~TEmail() override;

    AppContext& context() { return context_; }
    QStatusBar* statusBar1() const { return statusBar1_; }
    MailSender& sender() { return *sender_; }
    AddressBook& addressBook() { return book_; }
    KeyringPasswords& passwords() { return *passwords_; }
    SetupTester& setupTester() { return *tester_; }

    // The handlers, also what tests press.
    void SendBtnClick();
    void DisconnectBtnClick();
    void SelectFileBtnClick();
    void SaveSetupBtn2Click();
    void TestSetupBtnClick();
    void FindSettingsBtnClick();
    void AddToListBtnClick();
    void ListMouseDownRight(QListWidget* list);
    void ListDblClick(QListWidget* list);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The controls, pictures and menus: made at once, or when first needed.
    void buildWindow(AppContext& context);
    // The second build step: the three pages, the status bar and their wiring.
    void buildPages();
    QWidget* buildToolBar();
    void wirePages();
    void fillLists();
    void showPage(QWidget* page);
    void guard(const std::function<void()>& body);

    // MailView
    QString to() const override;
    void setTo(const QString& text) override;
    QString subject() const override;
    bool setupShown() const override;
    void focus(MailView::Field field) override;
    void showFileType(std::optional<FileType> type) override;
    void setConnectionText(const QString& text) override;
    void setStatusText(const QString& text) override;
    // SetupView
    SetupEntry entry() const override;
    void focus(SetupView::Field field) override;
    void showCurrent(const EmailSetup& setup) override;
    void closeSetup() override;
    void showFound(const EmailSetup& setup) override;
    void showCheckStatus(const QString& text) override;

    AppContext& context_;
    AddressBook book_;
    AskedPasswords asked_;
    KeyringPasswords* passwords_ = nullptr; // a child of the window
    std::unique_ptr<MailSender> sender_;
    std::unique_ptr<EmailSetupSaver> saver_;
    std::unique_ptr<SetupTester> tester_;
    QStatusBar* statusBar1_ = nullptr;
    EmailSendPage* panel3_ = nullptr;
    EmailSetupPage* panel4_ = nullptr;
    EmailListPage* panel2_ = nullptr;
};
