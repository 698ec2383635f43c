#pragma once
// The e-mail window in a temporary data folder, with scripted prompts.
#include "ScriptedPrompts.h"
#include "TempDir.h"
#include "context/AppContext.h"
#include "core/ControlFile.h"
#include "mail/window/TEmail.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace testsupport {

struct EmailFixture {
    TempDir dir;
    ControlFile file{dir.file("TabdeckV10.INI")};
    ScriptedPrompts prompts;
    AppContext context;
    std::unique_ptr<TEmail> window;

    EmailFixture() {
        context.paths.listDir = dir.path() + "/";
        context.controlFile = &file;
        context.prompts = &prompts;
        window = std::make_unique<TEmail>(context);
    }

    template <typename T = QWidget> T* child(const QString& name) {
        T* w = window->findChild<T*>(name);
        if (!w)
            qFatal("no control %s", qPrintable(name));
        return w;
    }
    QString text(const QString& name) {
        if (auto* e = window->findChild<QLineEdit*>(name))
            return e->text();
        return child<QLabel>(name)->text();
    }
    void type(const QString& name, const QString& value) { child<QLineEdit>(name)->setText(value); }

    // Account stored as a user would have saved it before this start.
    void storeSetup(const QString& host, quint16 port) {
        file.write("EMAILSETUP", "Host", host);
        file.write("EMAILSETUP", "UserID", "tester");
        file.write("EMAILSETUP", "EAddress", "me@example.com");
        file.write("EMAILSETUP", "YourName", "Me Myself");
        window->sender().usePort(port);
    }
    void reshow() {
        window->close();
        window->show();
    }
    // A file chosen through the Open dialog.
    void choose(const QString& path) {
        prompts.expectFile(path);
        window->SelectFileBtnClick();
    }
    // Send with Yes to the confirmation.
    void send() {
        prompts.expectBox(Prompts::Yes);
        window->SendBtnClick();
        settle();
    }
    // A send goes on after the click returns: wait (at most 30 s) until every
    // box the test expects was shown and the client is idle again.
    void settle() {
        TSmtpClient& c = window->sender().client();
        if (!QTest::qWaitFor([&] { return prompts.allUsed() && !c.Busy(); }, 30000))
            qWarning("the send did not settle within 30 s");
    }
    QStringList boxTexts() const {
        QStringList out;
        for (const Prompts::Box& b : prompts.boxes())
            out << b.text;
        return out;
    }
};

} // namespace testsupport
