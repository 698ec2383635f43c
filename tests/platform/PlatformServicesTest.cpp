#include "TempDir.h"
#include "TestRegistry.h"
#include "core/Error.h"
#include "platform/DropTarget.h"
#include "platform/SystemInfo.h"
#include "platform/UserRegistry.h"

#include <QMimeData>
#include <QSettings>
#include <QTest>

class DropTargetTest : public QObject {
    Q_OBJECT
private slots:
    void firstItem_data() {
        QTest::addColumn<QByteArray>("list");
        QTest::addColumn<QString>("item");
        QTest::newRow("local file")
            << QByteArray("file:///home/u/My%20File.txt\r\n") << "/home/u/My File.txt";
        QTest::newRow("first of several") << QByteArray("file:///a\r\nfile:///b\r\n") << "/a";
        QTest::newRow("comment skipped") << QByteArray("# from x\r\nfile:///c\r\n") << "/c";
        QTest::newRow("url as text")
            << QByteArray("https://example.org/a%20b?x=1\r\n") << "https://example.org/a%20b?x=1";
        QTest::newRow("hash in name") << QByteArray("file:///t/a%23b\n") << "/t/a#b";
        QTest::newRow("cut to 255")
            << QByteArray("file:///" + QByteArray(300, 'x') + "\r\n") << "/" + QString(254, u'x');
        QTest::newRow("empty list") << QByteArray("\r\n") << QString();
    }
    void firstItem() {
        QFETCH(QByteArray, list);
        QFETCH(QString, item);
        QMimeData data;
        data.setData("text/uri-list", list);
        QVERIFY(droptarget::accepts(&data));
        QCOMPARE(droptarget::firstItem(&data).value_or(QString()), item);
    }
    // A drop is never taken as a move: the source would remove the user's file.
    void dropAction_data() {
        QTest::addColumn<int>("offered");
        QTest::addColumn<int>("taken"); // IgnoreAction = refused
        QTest::newRow("all") << int(Qt::CopyAction | Qt::MoveAction | Qt::LinkAction)
                             << int(Qt::CopyAction);
        QTest::newRow("move and copy")
            << int(Qt::MoveAction | Qt::CopyAction) << int(Qt::CopyAction);
        QTest::newRow("move and link")
            << int(Qt::MoveAction | Qt::LinkAction) << int(Qt::LinkAction);
        QTest::newRow("move only") << int(Qt::MoveAction) << int(Qt::IgnoreAction);
    }
    void dropAction() {
        QFETCH(int, offered);
        QFETCH(int, taken);
        const auto action = droptarget::actionFor(Qt::DropActions(offered));
        QCOMPARE(int(action.value_or(Qt::IgnoreAction)), taken);
    }
    void otherFormatsRefused() {
        QMimeData data;
        data.setText("/etc/passwd");
        QVERIFY(!droptarget::accepts(&data));
        QVERIFY(!droptarget::firstItem(&data));
        QVERIFY(!droptarget::firstItem(nullptr));
    }
};

class SystemInfoTest : public QObject {
    Q_OBJECT
private slots:
    void firstExisting() {
        testsupport::TempDir home;
        const QStringList candidates = systeminfo::systemDirectoryCandidates(home.path());
        QCOMPARE(candidates.first(), home.file(".wine/drive_c/windows/system32"));
        QCOMPARE(systeminfo::systemDirectory({home.file("none"), home.file("nothing")}),
                 QStringLiteral("/usr/lib"));
        QDir().mkpath(home.file(".wine/drive_c/windows/system32"));
        QDir().mkpath(home.file("second"));
        QCOMPARE(systeminfo::systemDirectory(systeminfo::systemDirectoryCandidates(home.path())),
                 home.file(".wine/drive_c/windows/system32"));
        QCOMPARE(systeminfo::systemDirectory({home.file("none"), home.file("second/")}),
                 home.file("second"));
    }
};

class UserRegistryTest : public QObject {
    Q_OBJECT
    testsupport::TempDir* dir_ = nullptr;
    const QString options = QStringLiteral("Software\\Fernhollow\\Pathnook\\Options");
    const QString root = QStringLiteral("Software\\Fernhollow\\Pathnook");
private slots:
    void init() {
        dir_ = new testsupport::TempDir;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_->path());
    }
    void cleanup() {
        delete dir_;
        dir_ = nullptr;
    }

    void freshSystemHasNoKey() {
        UserRegistry reg;
        QVERIFY(!reg.keyExists(root));
        QVERIFY(!reg.keyExists(options));
        QVERIFY(!reg.openKey(options, false));
        QVERIFY(!reg.readString("BackColor"));
        QVERIFY(!reg.deleteKey(root));
        QVERIFY_THROWS_EXCEPTION(AppError, reg.writeString("BackColor", "clRed"));
    }

    void writeReadDelete() {
        UserRegistry reg;
        QVERIFY(reg.openKey(options, true));
        reg.writeString("BackColor", "clRed");
        reg.writeString("FileFilter", "All files (*.*)|*.*;Text|*.txt");
        QVERIFY(reg.keyExists(options));
        QVERIFY(QFile::exists(dir_->file("Fernhollow/Pathnook.conf")));

        UserRegistry other; // a fresh reader sees what was written
        QVERIFY(other.openKey(options, false));
        QCOMPARE(other.readString("BackColor").value_or(""), QStringLiteral("clRed"));
        QCOMPARE(other.readString("FileFilter").value_or(""),
                 QStringLiteral("All files (*.*)|*.*;Text|*.txt"));
        QVERIFY(!other.valueExists("FileMask"));
        QVERIFY(other.deleteValue("BackColor"));
        QVERIFY(!other.deleteValue("BackColor"));
        QVERIFY(!reg.valueExists("BackColor"));
    }

    void deleteKeyWithEverythingUnderIt() {
        UserRegistry reg;
        QVERIFY(reg.openKey(options, true));
        reg.writeString("FileMask", "*.txt");
        QVERIFY(reg.openKey(root + "\\Other\\Deep", true));
        reg.writeString("X", "1");
        QVERIFY(reg.deleteKey(root));
        QVERIFY(!reg.keyExists(root));
        QVERIFY(!reg.keyExists(options));
        QVERIFY(!reg.isOpen());
        QVERIFY(!QFile::exists(dir_->file("Fernhollow/Pathnook.conf")));
        QVERIFY(!reg.deleteKey(root));
    }

    void keysOutsideTheStore_data() {
        QTest::addColumn<QString>("key");
        QTest::newRow("other vendor") << "Software\\Other\\App";
        QTest::newRow("prefix only") << "Software\\Fernhollow";
        QTest::newRow("empty part") << "Software\\Fernhollow\\Pathnook\\\\x";
    }
    void keysOutsideTheStore() {
        QFETCH(QString, key);
        UserRegistry reg;
        QVERIFY(!reg.openKey(key, true));
        QVERIFY(!reg.keyExists(key));
    }
};

TABDECK_TEST(DropTargetTest)
TABDECK_TEST(SystemInfoTest)
TABDECK_TEST(UserRegistryTest)
#include "PlatformServicesTest.moc"
