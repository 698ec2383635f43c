#include "TempDir.h"
#include "TestRegistry.h"
#include "core/ControlFile.h"
#include "core/Error.h"
#include "editor/EditorSettings.h"
#include "editor/EditorText.h"

#include <QTest>

class EditorTextTest : public QObject {
    Q_OBJECT
private slots:
    void roundTrip_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("crlf") << QByteArray("a=1\r\nb=2\r\n") << "a=1\nb=2\n"
                              << QByteArray("a=1\r\nb=2\r\n");
        QTest::newRow("lf and cr") << QByteArray("a\nb\rc\r\n") << "a\nb\nc\n"
                                   << QByteArray("a\r\nb\r\nc\r\n");
        QTest::newRow("no last line end")
            << QByteArray("a\r\nb") << "a\nb" << QByteArray("a\r\nb\r\n");
        QTest::newRow("empty lines kept") << QByteArray("\r\n\r\nx\r\n\r\n") << "\n\nx\n\n"
                                          << QByteArray("\r\n\r\nx\r\n\r\n");
        QTest::newRow("empty") << QByteArray("") << "" << QByteArray("");
        QTest::newRow("utf-8 and nbsp") << QByteArray("n=caf\xc3\xa9\xc2\xa0x\r\n")
                                        << QString::fromUtf8("n=caf\xc3\xa9\xc2\xa0x\n")
                                        << QByteArray("n=caf\xc3\xa9\xc2\xa0x\r\n");
        // Bytes that are no UTF-8 (a Linux path, an old Latin-1 file) and
        // characters the text widget would break lines at are kept as bytes.
        QTest::newRow("invalid utf-8 kept")
            << QByteArray("n=caf\xe9\r\np=/a/\xff\xfe\xc3\r\n")
            << QString("n=caf") + QChar(0xDCE9) + "\np=/a/" + QChar(0xDCFF) + QChar(0xDCFE) +
                   QChar(0xDCC3) + "\n"
            << QByteArray("n=caf\xe9\r\np=/a/\xff\xfe\xc3\r\n");
        QTest::newRow("overlong and surrogate forms kept")
            << QByteArray("a=\xc0\xaf\xed\xa0\x80\r\n")
            << QString("a=") + QChar(0xDCC0) + QChar(0xDCAF) + QChar(0xDCED) + QChar(0xDCA0) +
                   QChar(0xDC80) + "\n"
            << QByteArray("a=\xc0\xaf\xed\xa0\x80\r\n");
        QTest::newRow("nul and separators kept")
            << QByteArray("k=\x00v\xe2\x80\xa9\xf0\x9f\x98\x80\r\n", 13)
            << QString("k=") + QChar(0xDC00) + "v" + QChar(0xDCE2) + QChar(0xDC80) + QChar(0xDCA9) +
                   QString::fromUtf8("\xf0\x9f\x98\x80") + "\n"
            << QByteArray("k=\x00v\xe2\x80\xa9\xf0\x9f\x98\x80\r\n", 13);
    }

    // A file saved from the editor: every line the user did not touch comes
    // back byte for byte, with its own line end.
    void keepsUntouchedLines_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("from"); // the edit: text replaced ...
        QTest::addColumn<QString>("to");   // ... by this
        QTest::addColumn<QByteArray>("written");
        const QByteArray mixed("a=\xff\r\nb=2\nc=caf\xe9\rlast=\x80");
        QTest::newRow("no edit") << mixed << ""
                                 << "" << mixed;
        QTest::newRow("one line edited")
            << mixed << "b=2"
            << "b=3" << QByteArray("a=\xff\r\nb=3\r\nc=caf\xe9\rlast=\x80");
        QTest::newRow("inside an invalid line") << QByteArray("p=/x/bad\xfe.txt\n") << "/x/"
                                                << "/y/" << QByteArray("p=/y/bad\xfe.txt\r\n");
        QTest::newRow("line added after an open last line")
            << QByteArray("a\nb") << "b"
            << "b\nz" << QByteArray("a\nb\r\nz\r\n");
        const QString ff(QChar(0xDCFF)); // how the editor shows the byte FF
        QTest::newRow("lines swapped") << QByteArray("A=\xff\nB=1\r\n") << "A=" + ff + "\nB=1"
                                       << "B=1\nA=" + ff << QByteArray("B=1\r\nA=\xff\n");
        QTest::newRow("twin lines each used once") << QByteArray("x\n\r\nx\r") << "x\n\nx"
                                                   << "x\n\nx\nx" << QByteArray("x\n\r\nx\rx\r\n");
        QTest::newRow("all removed") << QByteArray("a\n") << "a\n"
                                     << "" << QByteArray();
    }
    void keepsUntouchedLines() {
        QFETCH(QByteArray, file);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QByteArray, written);
        const editortext::LoadedFile loaded(file);
        QString edited = loaded.text();
        if (!from.isEmpty()) {
            QVERIFY(edited.contains(from));
            edited.replace(from, to);
        }
        QCOMPARE(loaded.toFile(edited), written);
    }
    void roundTrip() {
        QFETCH(QByteArray, file);
        QFETCH(QString, shown);
        QFETCH(QByteArray, written);
        QCOMPARE(editortext::fromFile(file), shown);
        QCOMPARE(editortext::toFile(shown), written);
    }
};

class EditorSettingsTest : public QObject {
    Q_OBJECT
private slots:
    void styleCodes_data() {
        QTest::addColumn<QString>("style");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("italic");
        QTest::addColumn<bool>("underline");
        QTest::addColumn<bool>("keptBold");
        QTest::newRow("none stored") << "" << false << false << false << false;
        QTest::newRow("0") << "0" << false << false << false << false;
        QTest::newRow("1") << "1" << true << false << false << true;
        QTest::newRow("2") << "2" << false << true << false << false;
        QTest::newRow("3") << "3" << false << false << true << false;
        QTest::newRow("4") << "4" << true << true << false << true;
        QTest::newRow("5") << "5" << true << false << true << true;
        QTest::newRow("6") << "6" << false << true << true << false;
        QTest::newRow("7") << "7" << true << true << true << true;
        // Out of range: the design styles stay, the editor bold, the kept font regular.
        QTest::newRow("8") << "8" << true << false << false << false;
        QTest::newRow("-1") << "-1" << true << false << false << false;
    }
    void styleCodes() {
        QFETCH(QString, style);
        QFETCH(bool, bold);
        QFETCH(bool, italic);
        QFETCH(bool, underline);
        QFETCH(bool, keptBold);
        testsupport::TempDir dir;
        ControlFile file(dir.file("c.INI"));
        file.write("EDFONT", "Style", style);
        EditorLook look = EditorLook::design();
        EditorSettings(file).load(look);
        QCOMPARE(look.editor.bold, bold);
        QCOMPARE(look.editor.italic, italic);
        QCOMPARE(look.editor.underline, underline);
        QCOMPARE(look.kept.bold, keptBold);
        // A code read back is the code the same style writes.
        if (const int code = style.toInt(); !style.isEmpty() && code >= 0 && code <= 7)
            QCOMPARE(EditorSettings::styleCode(look.kept), std::optional<int>(code));
    }

    // Creation stops at the first bad value; what came before is applied.
    void failureOrder_data() {
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("color");
        QTest::addColumn<QString>("style");
        QTest::addColumn<int>("points");
        QTest::addColumn<QString>("face");
        QTest::addColumn<bool>("italic");
        QTest::addColumn<bool>("wrap");
        QTest::addColumn<QString>("error");
        QTest::newRow("all good") << "14"
                                  << "clRed"
                                  << "2" << 14 << "Serif" << true << true << "";
        QTest::newRow("bad size") << "big"
                                  << "clRed"
                                  << "2" << 0 << "MS Sans Serif" << false << false
                                  << "'big' is not a valid integer value";
        QTest::newRow("bad colour")
            << "14"
            << "blue"
            << "2" << 14 << "Serif" << false << false << "'blue' is not a valid integer value";
        QTest::newRow("bad style")
            << "14"
            << "$000000FF"
            << "x" << 14 << "Serif" << false << false << "'x' is not a valid integer value";
    }
    void failureOrder() {
        QFETCH(QString, size);
        QFETCH(QString, color);
        QFETCH(QString, style);
        QFETCH(int, points);
        QFETCH(QString, face);
        QFETCH(bool, italic);
        QFETCH(bool, wrap);
        QFETCH(QString, error);
        testsupport::TempDir dir;
        ControlFile file(dir.file("c.INI"));
        file.writeAll({{"EDFONT", "FontSize", size},
                       {"EDFONT", "FontFace", "Serif"},
                       {"EDFONT", "FontColor", color},
                       {"EDFONT", "Style", style},
                       {"EDWORDWRAP", "1", "True"}});
        EditorLook look = EditorLook::design();
        QString thrown;
        try {
            EditorSettings(file).load(look);
        } catch (const AppError& e) {
            thrown = e.text();
        }
        QCOMPARE(thrown, error);
        QCOMPARE(look.editor.pointSize, points);
        QCOMPARE(look.kept.face, face);
        QCOMPARE(look.editor.italic, italic);
        QCOMPARE(look.wordWrap, wrap);
        if (error.isEmpty())
            QCOMPARE(look.kept.color, 0x000000FFu);
    }
};

TABDECK_TEST(EditorTextTest)
TABDECK_TEST(EditorSettingsTest)
#include "EditorTest.moc"
