// The e-mail window's pages as a user sees them: the list page hides what
// lies under it, the setup page keeps its shape and colours once a setup
// exists, and every box the window opens belongs to it.
#include "EmailFixture.h"
#include "TestRegistry.h"
#include "core/ColorText.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QMenu>
#include <QSpinBox>
#include <QToolButton>

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

} // namespace

class TEmailPagesTest : public QObject {
    Q_OBJECT
private slots:
    void listPageCoversWhatIsUnder_data();
    void listPageCoversWhatIsUnder();
    void setupPageOnceSetupExists();
    void helpBoxesBelongToTheWindow();
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

TABDECK_TEST(TEmailPagesTest)
#include "TEmailPagesTest.moc"
