#include "RecordingOpener.h"
#include "RecordingStripView.h"
#include "ScriptedPrompts.h"
#include "TempDir.h"
#include "TestRegistry.h"
#include "core/Opener.h"
#include "platform/ToolCandidates.h"
#include "strip/window/ToolsMenus.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QTest>
#include <QWidget>
#include <memory>

using testsupport::RecordingOpener;
using testsupport::ScriptedPrompts;
using testsupport::TempDir;

namespace {

void install(const TempDir& root, const QString& rel) {
    const QString path = root.write(rel, "#!/bin/sh\n");
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

struct Expected {
    const char* name;
    const char* caption;
    const char* hint;
};

QStringList namesOf(const QMenu* menu) {
    QStringList out;
    for (QAction* a : menu->actions())
        out << (a->isSeparator() ? QStringLiteral("-") : a->objectName());
    return out;
}

} // namespace

class ToolsMenuTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TempDir> root_;
    std::unique_ptr<teststrip::RecordingStripView> view_;
    ScriptedPrompts prompts_;
    RecordingOpener opener_;
    ToolsMenus* menus_ = nullptr;

    QAction* action(const QString& name) const { return view_->window.findChild<QAction*>(name); }

private slots:
    void init() {
        root_ = std::make_unique<TempDir>();
        view_ = std::make_unique<teststrip::RecordingStripView>();
        opener_.calls.clear();
        menus_ = new ToolsMenus(*view_, prompts_, opener_, root_->path(), &view_->window);
        menus_->attach();
    }
    void cleanup() {
        QCOMPARE(prompts_.unexpectedCount(), 0);
        view_.reset();
        root_.reset();
    }

    void tableMenuItems() {
        const QMenu* menu = view_->window.findChild<QMenu*>(QStringLiteral("PopupMenu3"));
        QVERIFY(menu);
        QCOMPARE(namesOf(menu),
                 (QStringList{"Explorer1", "Calculator1", "CharMap1", "ClipBoard1", "CommandCom1",
                              "MsPaint1", "Narrator1", "NotePad1", "KeyPad1", "RegisterEdit1",
                              "SoundRecorder1", "SoundVolume1", "SystemEdit1", "Write1", "-",
                              "CloseMenu4"}));
        const Expected some[] = {
            {"Explorer1", "Explorer", "Windows Explorer"},
            {"ClipBoard1", "ClipBoard", "Windows ClipBoard Viewer"},
            {"CommandCom1", "Command Com", "Windows Command Promt"},
            {"KeyPad1", "Key Pad", "Windows Desktop Key Pad"},
            {"SystemEdit1", "System Edit", "Windows System Edit 16"},
            {"CloseMenu4", "Close Menu", "Close this Menu"},
        };
        for (const Expected& e : some) {
            QAction* a = action(QLatin1String(e.name));
            QCOMPARE(QString(a->text()).remove(u'&'), QLatin1String(e.caption));
            QCOMPARE(a->statusTip(), QLatin1String(e.hint));
        }
    }

    void servicesMenuItems() {
        const QMenu* menu = view_->window.findChild<QMenu*>(QStringLiteral("PopupMenu4"));
        QVERIFY(menu);
        QCOMPARE(
            namesOf(menu),
            (QStringList{"Certificates1", "Indexing1", "ComManagment1", "DeviceManager1",
                         "DiskDefragmenter1", "DiskManagement1", "EventViewer1", "SharedFolders1",
                         "LocalUsers1", "RemovableStorage1", "RSOperatorRequest1", "Performance1",
                         "Services1", "Management1", "ComponetServices1", "-", "CloseMenu3"}));
        const Expected some[] = {
            {"Indexing1", "Indexing Service", "Indexing Service"},
            {"ComManagment1", "Computer Managment", "Computer Management"},
            {"RSOperatorRequest1", "RS Operator Request", "Removable Storage Operator Request"},
            {"Management1", "Management", "Windows Management Infrastracture (WMI)"},
            {"ComponetServices1", "Componet Services", "Windows Componet Services"},
            {"CloseMenu3", "Close Menu", "Close this Menu"},
        };
        for (const Expected& e : some) {
            QAction* a = action(QLatin1String(e.name));
            QCOMPARE(QString(a->text()).remove(u'&'), QLatin1String(e.caption));
            QCOMPARE(a->statusTip(), QLatin1String(e.hint));
        }
    }

    void closeMenuIsTheBoldDefault() {
        for (auto [menuName, closeName] :
             {std::pair{"PopupMenu3", "CloseMenu4"}, std::pair{"PopupMenu4", "CloseMenu3"}}) {
            const QMenu* menu = view_->window.findChild<QMenu*>(QLatin1String(menuName));
            QCOMPARE(menu->defaultAction(), action(QLatin1String(closeName)));
            QVERIFY(menu->defaultAction()->font().bold());
            for (QAction* a : menu->actions())
                if (a != menu->defaultAction())
                    QVERIFY(!a->font().bold());
        }
    }

    void everyItemHasItsCandidateList() {
        QStringList names;
        for (const auto* list : {&ToolsMenus::tableMenuItems(), &ToolsMenus::servicesMenuItems()})
            for (const ToolsMenus::Item& item : *list)
                names << QLatin1String(item.name);
        QCOMPARE(names, toolcandidates::itemNames());
    }

    void choose_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QString>("opened"); // empty: nothing
        QTest::newRow("first existing only")
            << "Calculator1" << QStringList{"usr/bin/kcalc", "usr/bin/xcalc"} << "usr/bin/kcalc";
        QTest::newRow("all exist: the first, once")
            << "Calculator1"
            << QStringList{"usr/bin/gnome-calculator", "usr/bin/kcalc", "usr/bin/galculator",
                           "usr/bin/mate-calc", "usr/bin/xcalc"}
            << "usr/bin/gnome-calculator";
        QTest::newRow("terminal falls back to the last")
            << "CommandCom1" << QStringList{"usr/bin/xterm"} << "usr/bin/xterm";
        QTest::newRow("none installed does nothing") << "Explorer1" << QStringList{} << "";
        QTest::newRow("item without candidates does nothing")
            << "RSOperatorRequest1" << QStringList{"usr/bin/kcalc"} << "";
        QTest::newRow("services item")
            << "DiskManagement1" << QStringList{"usr/sbin/gparted"} << "usr/sbin/gparted";
        QTest::newRow("close menu opens nothing")
            << "CloseMenu4" << QStringList{"usr/bin/nautilus"} << "";
    }
    void choose() {
        QFETCH(QString, item);
        QFETCH(QStringList, installed);
        QFETCH(QString, opened);
        for (const QString& rel : installed)
            install(*root_, rel);
        view_->window.move(40, 60);
        view_->window.show();
        const QPoint place = view_->window.pos();
        QAction* a = action(item);
        QVERIFY(a);
        a->trigger();
        if (opened.isEmpty()) {
            QVERIFY(opener_.calls.isEmpty());
        } else {
            QCOMPARE(opener_.calls.size(), 1);
            QCOMPARE(opener_.calls[0].path, root_->file(opened));
            QCOMPARE(opener_.calls[0].owner, &view_->window);
        }
        // The strip neither hides nor closes.
        QVERIFY(view_->window.isVisible());
        QCOMPARE(view_->window.pos(), place);
        QVERIFY(prompts_.shown().isEmpty());
    }

    void rightClickOpensTheMenus_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("menu");
        QTest::newRow("first table") << "Table1"
                                     << "PopupMenu3";
        QTest::newRow("last table") << "Table30"
                                    << "PopupMenu3";
        QTest::newRow("door") << "ImageExit"
                              << "PopupMenu4";
    }
    void rightClickOpensTheMenus() {
        QFETCH(QString, control);
        QFETCH(QString, menu);
        view_->window.show();
        QWidget* w = view_->window.findChild<QWidget*>(control);
        QCOMPARE(w->contextMenuPolicy(), Qt::CustomContextMenu);
        QMenu* m = view_->window.findChild<QMenu*>(menu);
        QVERIFY(!m->isVisible());
        emit w->customContextMenuRequested(QPoint(3, 4));
        QVERIFY(m->isVisible());
        for (QMenu* other : view_->window.findChildren<QMenu*>())
            if (other != m)
                QVERIFY(!other->isVisible());
        m->close();
    }
};

TABDECK_TEST(ToolsMenuTest)
#include "ToolsMenuTest.moc"
