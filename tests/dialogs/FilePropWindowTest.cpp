#include "DialogsFixture.h"
#include "TestRegistry.h"
#include "dialogs/FileProperties.h"
#include "dialogs/window/TFileProp.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

// The file-properties window's showing rules: what it reads for a button,
// raising, closing.
class FilePropWindowTest : public QObject {
    Q_OBJECT
private slots:
    // The lines of the button asked for (FilePropTest's), an empty button's
    // even after a filled one; a second showing only raises the window.
    void emptyButtonAndShowingRules() {
        testdialogs::Fixture f;
        const QString path = f.dir.write("notes.txt", "abc");
        f.file->write("BUTTON", "3", path);
        f.file->write("BUTTON", "4", "ab"); // not a set value
        TFileProp window(f.context);
        window.showFor(3, 0x000000FF);
        QVERIFY(window.isVisible());
        QVERIFY(window.memo1()->toPlainText().contains("  " + path + "\n  On Button 3\n"));
        // A second "File Prop..." while it shows only raises it.
        window.showFor(4, 0x000000FF);
        QVERIFY(window.memo1()->toPlainText().contains("On Button 3"));
        window.closeButton()->click();
        QVERIFY(!window.isVisible());
        QVERIFY(window.memo1()->toPlainText().isEmpty());
        window.showFor(4, 0x000000FF);
        QCOMPARE(window.memo1()->toPlainText(),
                 fileproperties::describeFile(QString(), 4).join('\n'));
        window.close();
        // A missing file is said in the window, with no error box.
        f.file->write("BUTTON", "5", f.dir.file("gone.txt"));
        window.showFor(5, 0x000000FF);
        QVERIFY(
            window.memo1()->toPlainText().endsWith("  On Button 5\n  This file does not exist."));
        QVERIFY(f.prompts.allUsed());
    }

    // The facts are read, never edited: typing, Return and a paste change
    // nothing, the keyboard still selects and reaches the text, and Escape
    // closes the window as its Close button does.
    void readOnlyAndEscapeCloses() {
        testdialogs::Fixture f;
        f.file->write("BUTTON", "3", f.dir.write("notes.txt", "abc"));
        TFileProp window(f.context);
        window.showFor(3, 0x000000FF);
        QVERIFY(QTest::qWaitForWindowExposed(&window, 5000));
        QPlainTextEdit* memo = window.memo1();
        const QString shown = memo->toPlainText();
        QVERIFY(memo->focusPolicy() & Qt::TabFocus);
        memo->setFocus();
        QTest::keyClicks(memo, "typed");
        QTest::keyClick(memo, Qt::Key_Return);
        QTest::keyClick(memo, Qt::Key_Backspace);
        QTest::keyClick(memo, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(memo->toPlainText(), shown);
        QTest::keyClick(memo, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(memo->textCursor().selectedText().size(), shown.size());
        QTest::keyClick(memo, Qt::Key_Escape);
        QVERIFY(!window.isVisible());
        QVERIFY(memo->toPlainText().isEmpty());
        QVERIFY(f.prompts.allUsed());
    }
};

TABDECK_TEST(FilePropWindowTest)
#include "FilePropWindowTest.moc"
