#include "TestRegistry.h"
#include "core/ColorText.h"
#include "core/Error.h"
#include "core/IntText.h"

#include <QTest>

// Integer and colour text as the stored settings hold them.
class TextConversionTest : public QObject {
    Q_OBJECT
private slots:
    void toInt_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("value");
        QTest::newRow("decimal") << "42" << true << 42;
        QTest::newRow("negative") << "-611" << true << -611;
        QTest::newRow("plus") << "+7" << true << 7;
        QTest::newRow("leading blanks") << "  \t12" << true << 12;
        QTest::newRow("dollar hex") << "$1F" << true << 31;
        QTest::newRow("dollar hex lower") << "$ff" << true << 255;
        QTest::newRow("0x hex") << "0x10" << true << 16;
        QTest::newRow("0X hex") << "0X10" << true << 16;
        QTest::newRow("negative hex") << "-$10" << true << -16;
        QTest::newRow("32-bit hex wraps") << "$FFFFFFFF" << true << -1;
        QTest::newRow("int max") << "2147483647" << true << 2147483647;
        QTest::newRow("int min") << "-2147483648" << true << int(-2147483647 - 1);
        QTest::newRow("leading zeros") << "007" << true << 7;
        QTest::newRow("zero") << "0" << true << 0;
        QTest::newRow("decimal overflow") << "2147483648" << false << 0;
        QTest::newRow("hex overflow") << "$100000000" << false << 0;
        QTest::newRow("trailing blank") << "12 " << false << 0;
        QTest::newRow("trailing letters") << "12px" << false << 0;
        QTest::newRow("empty") << "" << false << 0;
        QTest::newRow("blank only") << "   " << false << 0;
        QTest::newRow("sign only") << "-" << false << 0;
        QTest::newRow("dollar only") << "$" << false << 0;
        QTest::newRow("0x only") << "0x" << false << 0;
        QTest::newRow("word") << "blue" << false << 0;
        QTest::newRow("hex digit in decimal") << "1A" << false << 0;
        QTest::newRow("two signs") << "--1" << false << 0;
        QTest::newRow("arabic digits") << QString::fromUtf8("١٢") << false << 0;
    }
    void toInt() {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(int, value);
        int got = 12345;
        QCOMPARE(inttext::tryToInt(text, &got), ok);
        if (ok) {
            QCOMPARE(got, value);
            QCOMPARE(inttext::toInt(text), value);
        } else {
            try {
                inttext::toInt(text);
                QFAIL("no error raised");
            } catch (const ConversionError& e) {
                QCOMPARE(e.text(), QStringLiteral("'%1' is not a valid integer value").arg(text));
            }
        }
    }

    void colorDecode_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<uint>("value");
        QTest::newRow("hex form") << "$00FF8000" << true << 0x00FF8000u;
        QTest::newRow("name") << "clBtnFace" << true << 0x8000000Fu;
        QTest::newRow("name other case") << "clbtnface" << true << 0x8000000Fu;
        QTest::newRow("name upper") << "CLRED" << true << 0x000000FFu;
        QTest::newRow("none") << "clNone" << true << 0x1FFFFFFFu;
        QTest::newRow("default") << "clDefault" << true << 0x20000000u;
        QTest::newRow("3D name") << "cl3DDkShadow" << true << 0x80000015u;
        QTest::newRow("decimal") << "255" << true << 255u;
        QTest::newRow("system colour hex") << "$80000005" << true << 0x80000005u;
        QTest::newRow("negative decimal system colour") << "-2147483633" << true << 0x8000000Fu;
        QTest::newRow("word blue") << "blue" << false << 0u;
        QTest::newRow("name without prefix") << "Red" << false << 0u;
        QTest::newRow("empty") << "" << false << 0u;
        QTest::newRow("hash form") << "#FF0000" << false << 0u;
    }
    void colorDecode() {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(uint, value);
        if (ok) {
            QCOMPARE(colortext::decode(text), uint32_t(value));
            return;
        }
        try {
            colortext::decode(text);
            QFAIL("no error raised");
        } catch (const ConversionError& e) {
            QCOMPARE(e.text(), QStringLiteral("'%1' is not a valid integer value").arg(text));
        }
    }

    void colorEncode_data() {
        QTest::addColumn<uint>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("orange as hex") << 0x000080FFu << "$000080FF";
        QTest::newRow("named") << 0x8000000Fu << "clBtnFace";
        QTest::newRow("black") << 0u << "clBlack";
        QTest::newRow("upper-case digits") << 0x00abcdefu << "$00ABCDEF";
        QTest::newRow("system colour not in table") << 0x80000019u << "$80000019";
        QTest::newRow("none") << 0x1FFFFFFFu << "clNone";
    }
    void colorEncode() {
        QFETCH(uint, value);
        QFETCH(QString, text);
        QCOMPARE(colortext::encode(value), text);
        QCOMPARE(colortext::decode(text), uint32_t(value));
    }

    // Every name of the table comes back as itself, and no two share a value.
    void tableRoundTrip() {
        int named = 0;
        QSet<QString> names;
        for (uint32_t v : {0x0u,      0x80u,     0x8000u,     0x8080u,    0x800000u, 0x800080u,
                           0x808000u, 0x808080u, 0xC0C0C0u,   0xFFu,      0xFF00u,   0xFFFFu,
                           0xFF0000u, 0xFF00FFu, 0xFFFF00u,   0xFFFFFFu,  0xC0DCC0u, 0xF0CAA6u,
                           0xF0FBFFu, 0xA4A0A0u, 0x1FFFFFFFu, 0x20000000u}) {
            QString name;
            QVERIFY(colortext::lookupValue(v, &name));
            names.insert(name);
            ++named;
        }
        for (uint32_t i = 0; i <= 0x1E; ++i) {
            QString name;
            if (colortext::lookupValue(0x80000000u + i, &name)) {
                uint32_t back = 0;
                QVERIFY(colortext::lookupName(name.toLower(), &back));
                QCOMPARE(back, 0x80000000u + i);
                names.insert(name);
                ++named;
            }
        }
        QCOMPARE(named, 52);
        QCOMPARE(names.size(), 52);
    }
};

TABDECK_TEST(TextConversionTest)
#include "TextConversionTest.moc"
