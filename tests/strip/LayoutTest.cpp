#include "StartupFixture.h"
#include "TestRegistry.h"
#include "core/ButtonSlots.h"
#include "strip/window/ButtonImage.h"
#include "strip/window/CutBox.h"
#include "ui/HintRouter.h"
#include "ui/SystemColors.h"

#include <QAccessible>
#include <QApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>

using startuptest::Strip;

// The strip's controls: names, places, sizes and the tables menu tree.
class LayoutTest : public QObject {
    Q_OBJECT
private slots:
    void window() {
        Strip s;
        QVERIFY(s.form->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(s.form->size(), QSize(622, 51));
        QCOMPARE(s.form->minimumSize(), s.form->maximumSize());
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QCOMPARE(s.form->frameGeometry().center().x(), screen.center().x());
        QVERIFY(qAbs(s.form->frameGeometry().center().y() - screen.center().y()) <= 1);
    }

    void controls_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QRect>("geometry");
        QTest::newRow("PanelLeft") << "PanelLeft"
                                   << "Form1" << QRect(0, 0, 51, 51);
        QTest::newRow("Label1") << "Label1"
                                << "PanelLeft" << QRect(1, 1, 49, 13);
        QTest::newRow("ImageMove") << "ImageMove"
                                   << "PanelLeft" << QRect(1, 14, 49, 36);
        QTest::newRow("PanelRight") << "PanelRight"
                                    << "Form1" << QRect(571, 0, 51, 51);
        QTest::newRow("Label2") << "Label2"
                                << "PanelRight" << QRect(1, 1, 49, 13);
        QTest::newRow("ImageExit") << "ImageExit"
                                   << "PanelRight" << QRect(1, 14, 49, 36);
        QTest::newRow("LabelHide") << "LabelHide"
                                   << "PanelRight" << QRect(43, 0, 6, 51);
        QTest::newRow("Table1") << "Table1"
                                << "Form1" << QRect(51, 0, 520, 51);
        QTest::newRow("Table17") << "Table17"
                                 << "Form1" << QRect(51, 0, 520, 51);
        QTest::newRow("Table30") << "Table30"
                                 << "Form1" << QRect(51, 0, 520, 51);
        QTest::newRow("Table31") << "Table31"
                                 << "Form1" << QRect(51, 0, 520, 51);
    }
    void controls() {
        QFETCH(QString, name);
        QFETCH(QString, parent);
        QFETCH(QRect, geometry);
        Strip s;
        s.form->makeAllTables();
        auto* w = s.form->findChild<QWidget*>(name);
        QVERIFY2(w, qPrintable(name));
        QCOMPARE(w->parentWidget()->objectName(), parent);
        QCOMPARE(w->geometry(), geometry);
    }

    void labelsAndHints() {
        Strip s;
        QCOMPARE(s.form->tableCaption(), QStringLiteral("Tabel 1"));
        QCOMPARE(s.form->label1()->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
        QVERIFY(s.form->buttonNumberText().isEmpty());
        // The labels get their texts as the strip shows, before it paints.
        s.form->setButtonNumberText(QStringLiteral("7"));
        QVERIFY(s.form->label1()->text().isEmpty());
        s.form->show();
        QCOMPARE(s.form->label1()->text(), QStringLiteral("Tabel 1"));
        QCOMPARE(s.form->label2()->text(), QStringLiteral("7"));
        QCOMPARE(s.form->imageMove()->toolTip(), QStringLiteral("Right Click for Menu"));
        QCOMPARE(s.form->imageExit()->toolTip(),
                 QStringLiteral("Left Click to Exit, Right Click for Menu"));
        QCOMPARE(s.form->labelHide()->toolTip(), QStringLiteral("Click to Hide"));
        QCOMPARE(s.form->imageMove()->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(s.form->imageExit()->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(s.form->labelHide()->cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(s.form->labelHide()->cursor().hotSpot(), QPoint(0, 0));
        // The hide bar sits at x 614 of the strip.
        QCOMPARE(s.form->labelHide()->mapTo(s.form.get(), QPoint(0, 0)), QPoint(614, 0));
    }

    void tablesVisibility() {
        Strip s;
        for (int t = 1; t <= 30; ++t) {
            QCOMPARE(s.form->table(t)->isVisibleTo(s.form.get()), t == 1);
            QCOMPARE(s.form->table(t)->y(), 0);
        }
        QVERIFY(!s.form->table31()->isVisibleTo(s.form.get()));
        QCOMPARE(s.form->image1()->parentWidget(), s.form->table31());
        for (int i = 1; i <= 3; ++i) {
            auto* cut = s.form->findChild<CutBox*>(QStringLiteral("CutTo%1").arg(i));
            QVERIFY(cut);
            QVERIFY(!cut->isVisibleTo(s.form.get()));
        }
    }

    void buttonSlots_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("table");
        QTest::addColumn<int>("x");
        const int xs[12] = {8, 50, 93, 135, 178, 221, 264, 307, 350, 392, 434, 477};
        for (int k = 1; k <= 12; ++k)
            QTest::addRow("slot %d", k) << k << 1 << xs[k - 1];
        QTest::newRow("13 is table 2 slot 1") << 13 << 2 << 8;
        QTest::newRow("37 is table 4 slot 1") << 37 << 4 << 8;
        QTest::newRow("180 is table 15 slot 12") << 180 << 15 << 477;
        QTest::newRow("360 is table 30 slot 12") << 360 << 30 << 477;
    }
    void buttonSlots() {
        QFETCH(int, button);
        QFETCH(int, table);
        QFETCH(int, x);
        Strip s;
        QFrame* panel = s.form->buttonPanel(button);
        QCOMPARE(panel->objectName(), QStringLiteral("But%1").arg(button));
        QCOMPARE(panel->parentWidget(), s.form->table(table));
        QCOMPARE(panel->geometry(), QRect(x, 8, 36, 36));
        QCOMPARE(panel->frameShadow(), QFrame::Raised);
        ButtonImage* img = s.form->buttonPicture(button);
        QCOMPARE(img->objectName(), QStringLiteral("img%1").arg(button));
        QCOMPARE(img->parentWidget(), panel);
        QCOMPARE(img->geometry(), QRect(1, 1, 34, 34));
        QCOMPARE(img->cursor().shape(), Qt::PointingHandCursor);
    }

    void everyButtonOnce() {
        Strip s;
        s.form->makeAllTables();
        QCOMPARE(s.form->findChildren<QFrame*>(QRegularExpression("^But\\d+$")).size(), 360);
        QCOMPARE(s.form->findChildren<ButtonImage*>(QRegularExpression("^img\\d+$")).size(), 360);
        for (int n = 1; n <= 360; ++n) {
            const int t = buttonslots::tableOfButton(n);
            const int k = n - 12 * (t - 1);
            QCOMPARE(s.form->buttonPanel(n)->parentWidget(), s.form->table(t));
            QCOMPARE(s.form->buttonPanel(n)->x(), TForm1::slotX(k));
        }
    }

    // The tables not shown are made after the strip is on screen; what the
    // logic gave one before that shows on it once made.
    void valuesWaitForLaterTables() {
        Strip s;
        QVERIFY(s.form->tableMade(1));
        QVERIFY(!s.form->tableMade(17));
        QImage red(34, 34, QImage::Format_ARGB32);
        red.fill(Qt::red);
        s.form->setColor(StripSettings::ColorTarget::Buttons, 0x00112233);
        s.form->setColor(StripSettings::ColorTarget::Tables, 0x00445566);
        s.form->setButtonHint(200, QStringLiteral("two hundred"));
        s.form->setButtonPicture(200, Picture::fromImage(red));
        s.form->setButtonDimmed(200, true);
        s.form->setButtonPicture(201, Picture::fromImage(red));
        s.form->setTableTop(17, -40);
        QCOMPARE(s.form->buttonHint(200), QStringLiteral("two hundred"));
        QVERIFY(!s.form->tableMade(17));

        ButtonImage* img = s.form->buttonPicture(200);
        QVERIFY(s.form->tableMade(17));
        QCOMPARE(hints::of(img), QStringLiteral("two hundred"));
        QVERIFY(img->hasPicture() && img->dimmed());
        // The same pixels as a picture given to a made button.
        s.form->buttonPicture(5)->setPicture(Picture::fromImage(red));
        QCOMPARE(s.form->buttonPicture(201)->image(), s.form->buttonPicture(5)->image());
        QVERIFY(!s.form->buttonPicture(201)->dimmed());
        QVERIFY(!s.form->buttonPicture(202)->hasPicture());
        QCOMPARE(systemcolors::backgroundValue(s.form->buttonPanel(200)), 0x00112233u);
        QCOMPARE(systemcolors::backgroundValue(s.form->table(17)), 0x00445566u);
        QCOMPARE(s.form->table(17)->y(), -40);
        QVERIFY(s.form->table(17)->isHidden());
        // Made in any order, the tables keep their number order below the end panel.
        s.form->makeAllTables();
        QList<QFrame*> inOrder;
        for (QObject* child : s.form->children())
            if (child->objectName().startsWith(QLatin1String("Table")) &&
                child->objectName() != QLatin1String("Table31"))
                inOrder << static_cast<QFrame*>(child);
        QCOMPARE(inOrder.size(), 30);
        for (int t = 1; t <= 30; ++t)
            QCOMPARE(inOrder[t - 1], s.form->table(t));
    }

    // Once the strip shows, the other tables follow without being asked for,
    // and they answer the pointer and the right click as the first one does.
    void laterTablesAnswer() {
        Strip s;
        s.form->show();
        QTRY_VERIFY_WITH_TIMEOUT(s.form->tableMade(30), 5000);
        s.form->showTable(20);
        QVERIFY(s.form->table(20)->isVisible());
        QVERIFY(s.form->table(1)->isHidden());
        ButtonImage* img = s.form->buttonPicture(235);
        QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), img->mapToGlobal(QPointF(5, 5)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(img, &move);
        QCOMPARE(s.form->selection().button(), 235);
        QCOMPARE(s.form->label2()->text(), QStringLiteral("235"));
        QCOMPARE(s.form->table(20)->contextMenuPolicy(), Qt::CustomContextMenu);
    }

    void tablesMenuTree() {
        Strip s;
        QMenu* root = s.form->tablesMenu();
        QCOMPARE(root->objectName(), QStringLiteral("PopupMenu2"));
        auto names = [](QMenu* m) {
            QStringList out;
            for (QAction* a : m->actions())
                out << a->objectName();
            return out;
        };
        QStringList level1{"More1"}, level2{"More4"}, level3;
        for (int t = 1; t <= 10; ++t)
            level1 << QStringLiteral("TableA%1").arg(t);
        for (int t = 11; t <= 20; ++t)
            level2 << QStringLiteral("TableA%1").arg(t);
        for (int t = 21; t <= 30; ++t)
            level3 << QStringLiteral("TableA%1").arg(t);
        level3 << "CloseMenu1";
        QCOMPARE(names(root), level1);
        QMenu* more1 = root->actions().first()->menu();
        QVERIFY(more1);
        QCOMPARE(names(more1), level2);
        QMenu* more4 = more1->actions().first()->menu();
        QVERIFY(more4);
        QCOMPARE(names(more4), level3);
        QCOMPARE(more4->defaultAction()->objectName(), QStringLiteral("CloseMenu1"));
        QCOMPARE(more4->defaultAction()->text(), QStringLiteral("&Close"));
        QCOMPARE(hints::of(more4->defaultAction()), QStringLiteral("Close the Menu"));
        QCOMPARE(hints::of(more1->menuAction()), QStringLiteral("More Tables"));
        QCOMPARE(hints::of(more4->menuAction()), QStringLiteral("More Tables"));
        QVERIFY(more4->defaultAction()->icon().isNull());
        for (int t = 1; t <= 30; ++t) {
            QAction* a = s.action(QStringLiteral("TableA%1").arg(t));
            QCOMPARE(a->text(), QStringLiteral("Table %1").arg(t));
            QCOMPARE(hints::of(a), QStringLiteral("Open Table"));
            QCOMPARE(a->isChecked(), t == 1);
            QVERIFY(!a->icon().isNull());
        }
    }

    // Every item of every strip menu but the table names has a key of its own
    // in its menu, and a screen reader still reads the plain text.
    void everyMenuItemHasAKey() {
        Strip s;
        const QRegularExpression tableItem(QStringLiteral("^(TableA|TableB|RTable)\\d+$"));
        QStringList faults;
        int items = 0;
        const QList<QMenu*> menus = s.form->findChildren<QMenu*>();
        QVERIFY(menus.size() >= 15);
        for (QMenu* menu : menus) {
            QSet<QChar> keys;
            QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(menu);
            QVERIFY(reader);
            const QList<QAction*> actions = menu->actions();
            for (int i = 0; i < actions.size(); ++i) {
                QAction* a = actions[i];
                if (a->isSeparator() || tableItem.match(a->objectName()).hasMatch())
                    continue;
                ++items;
                const QString text = a->text();
                const qsizetype at = text.indexOf(u'&');
                const QString plain = QString(text).remove(u'&');
                if (at < 0 || text.count(u'&') != 1 || at + 1 >= text.size())
                    faults << a->objectName() + QStringLiteral(" has no single key: ") + text;
                else if (!text[at + 1].isLetterOrNumber() || keys.contains(text[at + 1].toLower()))
                    faults << a->objectName() + QStringLiteral(" shares its key: ") + text;
                else
                    keys.insert(text[at + 1].toLower());
                if (reader->child(i) && reader->child(i)->text(QAccessible::Name) != plain)
                    faults << a->objectName() + QStringLiteral(" reads as ") +
                                  reader->child(i)->text(QAccessible::Name);
            }
        }
        QVERIFY2(items >= 80, qPrintable(QString::number(items)));
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1String("; "))));
    }

    void openWithItems() {
        Strip s;
        QAction* root = s.action("OpenWith1");
        QVERIFY(root);
        QCOMPARE(hints::of(root),
                 QStringLiteral("Open with the selected table the next time the program opens"));
        for (int t = 1; t <= 30; ++t) {
            const QList<QAction*> found =
                s.form->findChildren<QAction*>(QStringLiteral("TableB%1").arg(t));
            QCOMPARE(found.size(), 1);
            QCOMPARE(found[0]->text(), QStringLiteral("Table %1").arg(t));
            QCOMPARE(hints::of(found[0]), QStringLiteral("Open with Table %1").arg(t));
            QVERIFY(!found[0]->isChecked());
        }
    }
};

TABDECK_TEST(LayoutTest)
#include "LayoutTest.moc"
