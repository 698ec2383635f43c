// The e-mail window's pages as a user sees them: the list page hides what
// lies under it, the setup page keeps its shape and colours once a setup
// exists, and every box the window opens belongs to it.
#include "EmailFixture.h"
#include "TestRegistry.h"
#include "core/ColorText.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QHeaderView>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QScopeGuard>
#include <QSpinBox>
#include <QStyleOptionFrame>
#include <QToolButton>
#include <QTranslator>
#include <QTreeWidget>

using testsupport::EmailFixture;
using testsupport::ScriptedPrompts;

namespace {

// Records the owner each box was given.
class OwnerPrompts : public ScriptedPrompts {
public:
    Button box(QWidget* owner, const Box& b) override {
        owners << owner;
        return ScriptedPrompts::box(owner, b);
    }
    QList<QWidget*> owners;
};

// Pixels of the widget as drawn inside its window, whose colour is near c.
int pixelsNear(QWidget* window, QWidget* w, const QColor& c) {
    const QImage img = window->grab(QRect(w->mapTo(window, QPoint(0, 0)), w->size())).toImage();
    int n = 0;
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            const QColor p = img.pixelColor(x, y);
            n += qAbs(p.red() - c.red()) + qAbs(p.green() - c.green()) + qAbs(p.blue() - c.blue()) <
                 120;
        }
    }
    return n;
}

QList<QWidget*> setupControls(EmailFixture& f) {
    QList<QWidget*> out;
    for (QWidget* w : f.child("Panel4")->findChildren<QWidget*>()) {
        if (!w->objectName().startsWith("Label1") && !w->objectName().startsWith("qt_"))
            out << w;
    }
    return out;
}

// The width an edit has for its text, inside its frame and margins.
int textRoom(QLineEdit* e) {
    QStyleOptionFrame opt;
    opt.initFrom(e);
    opt.lineWidth = e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, e);
    const QRect r = e->style()->subElementRect(QStyle::SE_LineEditContents, &opt, e);
    const QMargins m = e->textMargins();
    return r.width() - m.left() - m.right() - 2 * 2; // the edit's own 2-pixel inner margin
}

} // namespace

class TEmailPagesTest : public QObject {
    Q_OBJECT
private slots:
    void listPageCoversWhatIsUnder_data();
    void listPageCoversWhatIsUnder();
    void setupPageOnceSetupExists();
    void setupFieldsFitTypicalValues_data();
    void setupFieldsFitTypicalValues();
    void helpBoxesBelongToTheWindow();
    void attachmentListByKeyboardAndDrop();
};

void TEmailPagesTest::listPageCoversWhatIsUnder_data() {
    QTest::addColumn<QString>("colour"); // PROCOLOR; empty: none stored
    QTest::addColumn<QString>("under");
    for (const char* colour : {"", "clRed", "clWindow", "$00C0FFC0"}) {
        for (const char* under : {"Panel3", "Panel4"})
            QTest::addRow("%s over %s", *colour ? colour : "default", under) << colour << under;
    }
}

// With the list page open, the window looks the same whether the page under
// it shows or not.
void TEmailPagesTest::listPageCoversWhatIsUnder() {
    QFETCH(QString, colour);
    QFETCH(QString, under);
    EmailFixture f;
    if (!colour.isEmpty())
        f.file.write("OPTIONS", "PROCOLOR", colour);
    f.window->show();
    if (under == "Panel4")
        QTest::mouseClick(f.child<QToolButton>("OpenSetup1"), Qt::LeftButton);
    QTest::mouseClick(f.child<QToolButton>("ElistBtn"), Qt::LeftButton);
    QWidget* list = f.child("Panel2");
    QVERIFY(list->isVisible());
    const QRect area(list->mapTo(f.window.get(), QPoint(0, 0)), list->size());
    const QImage covered = f.window->grab(area).toImage();
    f.child(under)->hide();
    QCOMPARE(f.window->grab(area).toImage(), covered);
}

void TEmailPagesTest::setupPageOnceSetupExists() {
    EmailFixture f; // no PROCOLOR: the default program colour
    f.window->show();
    QTest::mouseClick(f.child<QToolButton>("OpenSetup1"), Qt::LeftButton);
    QWidget* page = f.child("Panel4");
    QHash<QWidget*, QRect> before;
    for (QWidget* w : setupControls(f))
        before[w] = w->geometry();

    const QString longValue = QString(79, u'w');
    for (const char* key : {"Host", "UserID", "EAddress", "YourName"})
        f.file.write("EMAILSETUP", key, longValue);
    f.reshow();
    QTest::mouseClick(f.child<QToolButton>("OpenSetup1"), Qt::LeftButton);
    QCoreApplication::processEvents();

    // Nothing moves or shrinks; every caption fits its control.
    for (QWidget* w : setupControls(f)) {
        QCOMPARE(w->geometry(), before.value(w));
        QString text;
        if (auto* l = qobject_cast<QLabel*>(w))
            text = l->text();
        else if (auto* b = qobject_cast<QAbstractButton*>(w))
            text = b->text();
        for (const QString& line : text.split(QRegularExpression("\r\n|\n")))
            QVERIFY2(w->fontMetrics().horizontalAdvance(line.trimmed()) <=
                         w->contentsRect().width(),
                     qPrintable(line));
        QVERIFY2(page->rect().contains(w->geometry()), qPrintable(w->objectName()));
    }
    for (int i = 15; i <= 18; ++i) {
        auto* value = f.child<QLabel>(QStringLiteral("Label%1").arg(i));
        QCOMPARE(value->text(), longValue);
        QVERIFY(page->rect().contains(value->geometry()));
        QVERIFY(pixelsNear(f.window.get(), value, Qt::red) > 20); // shown, cut, in red
    }
    const QList<QLabel*> labels = page->findChildren<QLabel*>();
    const auto blue =
        std::find_if(labels.begin(), labels.end(), [](QLabel* l) { return l->text() == "Host:"; });
    QVERIFY(blue != labels.end());
    QVERIFY(pixelsNear(f.window.get(), *blue, Qt::blue) > 10);

    // The connection controls are named for screen readers by their captions.
    for (const char* name : {"Port1", "Security1", "SignIn1", "AuthUser1", "Password1", "Host1"}) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(f.child(name));
        QVERIFY2(a && !a->text(QAccessible::Name).isEmpty(), name);
    }
}

void TEmailPagesTest::setupFieldsFitTypicalValues_data() {
    QTest::addColumn<QString>("translation"); // .qm file; empty: the program's English
    QTest::newRow("English") << QString();
    QTest::newRow("German") << QStringLiteral(TABDECK_I18N_DIR "/tabdeckv10_de.qm");
}

// A typical host name and address show whole in the edits and in the
// current-setup values, in every language: the window grows if it must.
void TEmailPagesTest::setupFieldsFitTypicalValues() {
    QFETCH(QString, translation);
    QTranslator translator;
    if (!translation.isEmpty()) {
        QVERIFY2(translator.load(translation), qPrintable(translation));
        QCoreApplication::installTranslator(&translator);
    }
    const auto uninstall = qScopeGuard([&] { QCoreApplication::removeTranslator(&translator); });
    const QString host = QStringLiteral("smtp.mail.example.com");
    const QString address = QStringLiteral("firstname.lastname@example.com");
    EmailFixture f;
    f.file.write("EMAILSETUP", "Host", host);
    f.file.write("EMAILSETUP", "UserID", address);
    f.file.write("EMAILSETUP", "EAddress", address);
    f.file.write("EMAILSETUP", "YourName", QStringLiteral("Firstname Lastname"));
    f.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.window.get(), 5000));
    QTest::mouseClick(f.child<QToolButton>("OpenSetup1"), Qt::LeftButton);
    QCoreApplication::processEvents();
    QWidget* page = f.child("Panel4");
    QStringList cut;
    for (const char* name : {"Host1", "UserID1", "Eaddress1", "Yname1", "AuthUser1"}) {
        auto* e = f.child<QLineEdit>(name);
        const int need = e->fontMetrics().horizontalAdvance(address);
        if (need > textRoom(e))
            cut << QStringLiteral("%1 needs %2, has %3").arg(name).arg(need).arg(textRoom(e));
    }
    for (int i = 15; i <= 18; ++i) {
        auto* value = f.child<QLabel>(QStringLiteral("Label%1").arg(i));
        const int need = value->fontMetrics().horizontalAdvance(value->text());
        if (need > value->contentsRect().width())
            cut << QStringLiteral("%1 \"%2\" needs %3, has %4")
                       .arg(value->objectName(), value->text())
                       .arg(need)
                       .arg(value->contentsRect().width());
    }
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1String("; "))));
    // Grown, not overflowing: the page and all it holds lie inside the window.
    QVERIFY(f.window->rect().contains(QRect(page->mapTo(f.window.get(), QPoint()), page->size())));
    for (QWidget* w : setupControls(f))
        QVERIFY2(page->rect().contains(w->geometry()), qPrintable(w->objectName()));
}

void TEmailPagesTest::helpBoxesBelongToTheWindow() {
    OwnerPrompts prompts;
    EmailFixture f;
    f.context.prompts = &prompts;
    f.window = std::make_unique<TEmail>(f.context);
    f.window->show();
    QList<QAction*> leaves;
    for (QMenu* menu : f.child<QToolButton>("HelpMenuBtn")->menu()->findChildren<QMenu*>() +
                           QList<QMenu*>{f.child<QToolButton>("HelpMenuBtn")->menu()}) {
        for (QAction* a : menu->actions()) {
            if (!a->menu())
                leaves << a;
        }
    }
    QCOMPARE(leaves.size(), 14);
    for (QAction* a : leaves) {
        prompts.expectBox(Prompts::Ok);
        a->trigger();
    }
    QVERIFY(prompts.allUsed());
    QCOMPARE(prompts.owners, QList<QWidget*>(14, f.window.get()));
}

// The files of a mail: reached with Tab and named for screen readers, added
// with Add... and by dropping files, removed with Delete, each shown with its
// size.
void TEmailPagesTest::attachmentListByKeyboardAndDrop() {
    EmailFixture f;
    const QString a = f.dir.write("a.txt", "hello");
    const QString b = f.dir.write("b.png", QByteArray(3000, 'x'));
    f.window->show();
    QVERIFY(QTest::qWaitForWindowActive(f.window.get(), 5000));
    auto* list = f.child<QTreeWidget>("AttachList1");
    auto* add = f.child<QPushButton>("AddAttachBtn");
    auto* remove = f.child<QPushButton>("RemoveAttachBtn");
    QWidget* page = f.child("Panel3");
    QVERIFY(f.window->rect().contains(QRect(page->mapTo(f.window.get(), QPoint()), page->size())));
    QVERIFY(page->rect().contains(f.child("Attachments1")->geometry()));
    QCOMPARE(QAccessible::queryAccessibleInterface(list)->text(QAccessible::Name), "Attachments");
    QCOMPARE(QAccessible::queryAccessibleInterface(add)->text(QAccessible::Name), "Add...");
    QVERIFY(!remove->isEnabled());

    f.child("To1")->setFocus();
    QList<QWidget*> reached;
    for (int i = 0; i < 30 && !reached.contains(add); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        reached << QApplication::focusWidget();
    }
    QVERIFY(reached.contains(list));
    QVERIFY(reached.contains(add));
    f.prompts.expectFile(a);
    QTest::keyClick(add, Qt::Key_Space);
    QVERIFY(f.prompts.allUsed());

    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(b), QUrl::fromLocalFile(a)}); // a: listed already
    QWidget* target = list->viewport();
    const QPoint at = target->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    QCOMPARE(list->topLevelItemCount(), 2);
    const QLocale locale;
    QCOMPARE(list->topLevelItem(0)->text(0), "a.txt");
    QCOMPARE(list->topLevelItem(0)->text(1),
             locale.formattedDataSize(5, 1, QLocale::DataSizeSIFormat));
    QCOMPARE(list->topLevelItem(1)->text(0), "b.png");
    QCOMPARE(list->topLevelItem(1)->text(1),
             locale.formattedDataSize(3000, 1, QLocale::DataSizeSIFormat));

    list->setFocus();
    list->setCurrentItem(list->topLevelItem(0));
    QVERIFY(remove->isEnabled());
    QTest::keyClick(list, Qt::Key_Delete);
    QCOMPARE(list->topLevelItemCount(), 1);
    QCOMPARE(list->topLevelItem(0)->text(0), "b.png");
    QCOMPARE(f.window->sender().attachments().files().size(), 1);
    QTest::keyClick(list, Qt::Key_Delete); // the next one is current now
    QCOMPARE(list->topLevelItemCount(), 0);
    QVERIFY(!remove->isEnabled());
    QCOMPARE(f.prompts.unexpectedCount(), 0);
}

TABDECK_TEST(TEmailPagesTest)
#include "TEmailPagesTest.moc"
