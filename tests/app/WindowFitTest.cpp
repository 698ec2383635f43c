#include "RecordingOpener.h"
#include "ScriptedPrompts.h"
#include "TempDir.h"
#include "TestRegistry.h"
#include "TopLevel.h"
#include "app/ProgramWindows.h"
#include "context/AppContext.h"
#include "core/ControlFile.h"
#include "strip/window/TForm1.h"
#include "ui/HintRouter.h"
#include "ui/QtPrompts.h"
#include "ui/ToolWindow.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QCheckBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedLayout>
#include <QStatusBar>
#include <QStyle>
#include <QTest>
#include <QTextDocument>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTranslator>

using testapp::topLevel;

// Every window of the program as a user first meets it, at its default size
// (run at scale factor 1 and 2, and in German): no caption of a label or button is cut or
// reaches past its window's edge, no input box's title is cut, every
// tool bar item can be reached, and every edit, list, combo and check box has
// a name a screen reader can say.
class WindowFitTest : public QObject {
    Q_OBJECT

    testsupport::TempDir dir_;
    testsupport::ScriptedPrompts prompts_;
    testsupport::RecordingOpener opener_;
    AppContext context_;
    std::unique_ptr<ControlFile> file_;
    std::unique_ptr<ProgramWindows> windows_;

    static void windows() {
        QTest::addColumn<QString>("window");
        for (const char* name :
             {"TForm1", "TAboutBox", "TViewPic", "TCVert1", "TEdDlg", "TEmail", "TExIcons",
              "TPathnook", "THintDlg", "TReminder", "TFileProp", "THelpDlg"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    // The window shown at the size it is made with, as the strip shows it.
    static QWidget* shown(const QString& name) {
        QWidget* w = topLevel(name.toLatin1().constData());
        if (!w)
            return nullptr;
        toolwindow::present(w);
        if (!QTest::qWaitForWindowExposed(w, 5000))
            return nullptr;
        return w;
    }

    // Brings forward the hidden pages that hold a control (the panels a
    // window shows later, the pages of a stack), so the layouts give it its
    // real size. Returns what puts them back.
    static std::function<void()> showPagesOf(QWidget* control, QWidget* window) {
        QList<QWidget*> pages;
        for (QWidget* p = control->parentWidget(); p && p != window; p = p->parentWidget())
            if (p->isHidden())
                pages.prepend(p);
        std::vector<std::function<void()>> undo;
        for (QWidget* p : pages) {
            auto* stack = qobject_cast<QStackedLayout*>(p->parentWidget()->layout());
            if (stack) {
                QWidget* was = stack->currentWidget();
                stack->setCurrentWidget(p);
                undo.push_back([stack, was] { stack->setCurrentWidget(was); });
            } else {
                p->show();
                undo.push_back([p] { p->hide(); });
            }
        }
        QList<QWidget*> chain;
        for (QWidget* p = control; p; p = p->parentWidget())
            chain.prepend(p);
        for (QWidget* p : chain)
            if (p->layout())
                p->layout()->activate();
        return [undo] {
            for (auto it = undo.rbegin(); it != undo.rend(); ++it)
                (*it)();
        };
    }

    static QString plain(const QString& caption) {
        QString out = caption;
        out.replace(QLatin1String("&&"), QStringLiteral("\x01"));
        out.remove(QLatin1Char('&'));
        out.replace(QStringLiteral("\x01"), QLatin1String("&"));
        return out;
    }

    // Why a label's text does not fit, or empty.
    static QString labelFault(const QLabel* label) {
        const QString text = label->text();
        if (text.isEmpty())
            return {};
        const QRect room = label->contentsRect().adjusted(label->margin(), label->margin(),
                                                          -label->margin(), -label->margin());
        const QFontMetrics fm(label->font());
        QSize need;
        if (label->textFormat() != Qt::PlainText && Qt::mightBeRichText(text)) {
            QTextDocument doc;
            doc.setDefaultFont(label->font());
            doc.setDocumentMargin(0);
            doc.setHtml(text);
            if (label->wordWrap())
                doc.setTextWidth(room.width());
            need = QSize(int(doc.idealWidth()), int(doc.size().height()));
        } else {
            const int flags = label->alignment() | (label->wordWrap() ? Qt::TextWordWrap : 0);
            const QRect bound =
                label->wordWrap() ? fm.boundingRect(QRect(0, 0, room.width(), 100000), flags, text)
                                  : fm.boundingRect(QRect(0, 0, 100000, 100000), flags, text);
            need = QSize(label->wordWrap() || text.contains(QLatin1Char('\n'))
                             ? bound.width()
                             : fm.horizontalAdvance(text),
                         bound.height());
        }
        // A pixel of a descent may touch the edge; more is a cut caption.
        if (need.width() > room.width() || need.height() > room.height() + 2)
            return QStringLiteral("needs %1 x %2, has %3 x %4")
                .arg(need.width())
                .arg(need.height())
                .arg(room.width())
                .arg(room.height());
        return {};
    }

    // A control that reaches past its parent's edge is cut there; a text on
    // a window without a frame keeps clear of the window's edges.
    static QString edgeFault(const QWidget* control) {
        const QWidget* parent = control->parentWidget();
        const int margin =
            parent->isWindow() && (parent->windowFlags() & Qt::FramelessWindowHint) ? 8 : 0;
        if (parent->rect().adjusted(margin, margin, -margin, -margin).contains(control->geometry()))
            return {};
        return QStringLiteral("lies at %1,%2 %3 x %4 in a parent of %5 x %6")
            .arg(control->x())
            .arg(control->y())
            .arg(control->width())
            .arg(control->height())
            .arg(parent->width())
            .arg(parent->height());
    }

    // The width a title bar needs to show the whole caption, as window
    // managers draw it: bold, in a font up to a tenth wider than the
    // program's, beside the window's icon and three buttons (a line and a
    // half square each, with padding) and the label's own padding.
    static int titleBarNeed(const QString& caption) {
        QFont title = QFontDatabase::systemFont(QFontDatabase::TitleFont);
        title.setBold(true);
        const QFontMetrics fm(title);
        return fm.horizontalAdvance(caption) * 11 / 10 + 4 * (fm.height() * 3 / 2 + 4) + 12;
    }

    static QString buttonFault(const QAbstractButton* button) {
        const QString text = plain(button->text());
        const auto* tool = qobject_cast<const QToolButton*>(button);
        if (text.isEmpty() || (tool && tool->toolButtonStyle() == Qt::ToolButtonIconOnly))
            return {};
        const QStyle* s = button->style();
        int need = QFontMetrics(button->font()).horizontalAdvance(text);
        const bool icon = !button->icon().isNull() &&
                          !(tool && tool->toolButtonStyle() == Qt::ToolButtonTextOnly);
        if (icon)
            need += button->iconSize().width() + 4;
        if (qobject_cast<const QCheckBox*>(button) || qobject_cast<const QRadioButton*>(button))
            need += s->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, button) +
                    s->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, button);
        else
            need += s->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) +
                    2 * s->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
        if (need > button->width())
            return QStringLiteral("needs %1, has %2").arg(need).arg(button->width());
        return {};
    }

private slots:
    // TABDECK_TRANSLATION names a .qm file the windows then speak.
    void initTestCase() {
        const QString qm = qEnvironmentVariable("TABDECK_TRANSLATION");
        if (qm.isEmpty())
            return;
        auto* translator = new QTranslator(this);
        QVERIFY2(translator->load(qm), qPrintable(qm));
        QCoreApplication::installTranslator(translator);
    }
    void init() {
        prompts_.clear();
        context_ = AppContext();
        file_ = testapp::programContext(context_, dir_, prompts_, opener_);
        windows_ = std::make_unique<ProgramWindows>();
        windows_->create(context_);
    }
    void cleanup() { windows_.reset(); }

    void captionsFit_data() { windows(); }
    void captionsFit() {
        QFETCH(QString, window);
        // A long hint of the strip, routed while the window was hidden.
        windows_->form1()->hintRouter().route(
            QStringLiteral("Right Click on the Door Icon to bring up the Services PopUp Menu"));
        QWidget* w = shown(window);
        QVERIFY(w);
        QStringList cut;
        auto check = [&](QWidget* control, const QString& fault) {
            if (!fault.isEmpty())
                cut << QStringLiteral("%1 \"%2\": %3")
                           .arg(control->objectName(), control->property("text").toString(), fault);
        };
        for (QLabel* label : w->findChildren<QLabel*>()) {
            if (label->isHidden() || label->text().isEmpty())
                continue;
            const auto restore = showPagesOf(label, w);
            check(label, labelFault(label));
            check(label, edgeFault(label));
            restore();
        }
        for (QAbstractButton* button : w->findChildren<QAbstractButton*>()) {
            // Tool bar buttons are judged by their reach below.
            if (button->isHidden() || qobject_cast<QToolBar*>(button->parentWidget()))
                continue;
            const auto restore = showPagesOf(button, w);
            check(button, buttonFault(button));
            restore();
        }
        for (QStatusBar* bar : w->findChildren<QStatusBar*>()) {
            const int need =
                bar->fontMetrics().horizontalAdvance(toolwindow::shownMessage(*bar)) + 12;
            if (need > bar->width())
                cut << QStringLiteral("%1 \"%2\": needs %3, has %4")
                           .arg(bar->objectName(), bar->currentMessage())
                           .arg(need)
                           .arg(bar->width());
        }
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1String("; "))));
    }

    // Every input box the program asks with: the title bar shows the whole
    // caption, and the prompt and buttons fit.
    void inputBoxesFit_data() {
        QTest::addColumn<QByteArray>("context");
        QTest::addColumn<QByteArray>("caption");
        QTest::addColumn<QByteArray>("prompt");
        const auto row = [](const char* context, const char* caption, const char* prompt) {
            QTest::newRow(caption)
                << QByteArray(context) << QByteArray(caption) << QByteArray(prompt);
        };
        row("ReminderMenu", "Remind Me in How Many Minutes?", "Enter how many Minutes:");
        row("OptionsMenu", "Rename Menu Item Table %1?", "Enter the New Name:");
        row("AskedPasswords", "Sign In", "Password of %1 on %2: ");
        row("MailSender", "Authentication Failed", "Invalid User ID. New User ID: ");
        row("MailSender", "Missing From Address", "Enter From Address: ");
    }
    void inputBoxesFit() {
        QFETCH(QByteArray, context);
        QFETCH(QByteArray, caption);
        QFETCH(QByteArray, prompt);
        // The longest values the placeholders take.
        auto shown = [&](const QByteArray& source) {
            return QCoreApplication::translate(context.constData(), source.constData())
                .replace(QLatin1String("%1"), QLatin1String("30"))
                .replace(QLatin1String("%2"), QLatin1String("mail.example.org"));
        };
        QStringList cut;
        bool seen = false;
        QTimer answer;
        answer.setInterval(20);
        QObject::connect(&answer, &QTimer::timeout, [&] {
            QWidget* box = QApplication::activeModalWidget();
            if (!box || seen || !QTest::qWaitForWindowExposed(box, 5000))
                return;
            seen = true;
            const int need = titleBarNeed(box->windowTitle());
            if (box->width() < need)
                cut << QStringLiteral("title \"%1\" needs %2, has %3")
                           .arg(box->windowTitle())
                           .arg(need)
                           .arg(box->width());
            for (QLabel* label : box->findChildren<QLabel*>())
                if (const QString fault = labelFault(label); !fault.isEmpty())
                    cut << label->text() + QStringLiteral(": ") + fault;
            for (QAbstractButton* button : box->findChildren<QAbstractButton*>())
                if (const QString fault = buttonFault(button); !fault.isEmpty())
                    cut << button->text() + QStringLiteral(": ") + fault;
            box->close();
        });
        answer.start();
        QTimer giveUp; // a box that never comes up must not hang the suite
        giveUp.setSingleShot(true);
        QObject::connect(&giveUp, &QTimer::timeout, [] {
            if (QWidget* box = QApplication::activeModalWidget())
                box->close();
        });
        giveUp.start(10000);
        QtPrompts prompts;
        prompts.input(nullptr, {shown(caption), shown(prompt), QStringLiteral("10")});
        QVERIFY(seen);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1String("; "))));
    }

    void toolBarItemsReachable_data() { windows(); }
    void toolBarItemsReachable() {
        QFETCH(QString, window);
        QWidget* w = shown(window);
        QVERIFY(w);
        QStringList out;
        for (QToolBar* bar : w->findChildren<QToolBar*>()) {
            for (QAction* action : bar->actions()) {
                if (action->isSeparator())
                    continue;
                QWidget* item = bar->widgetForAction(action);
                if (!item || !item->isVisible() || !bar->rect().contains(item->geometry()))
                    out << (item ? QStringLiteral("%1 at %2..%3 of %4")
                                       .arg(item->objectName())
                                       .arg(item->x())
                                       .arg(item->geometry().right())
                                       .arg(bar->width())
                                 : action->text());
                else if (auto* b = qobject_cast<QToolButton*>(item)) {
                    const QString fault = buttonFault(b);
                    if (!fault.isEmpty())
                        out << b->objectName() + QStringLiteral(" ") + fault;
                }
            }
        }
        QVERIFY2(out.isEmpty(), qPrintable(out.join(QLatin1String(", "))));
    }

    void controlsNamed_data() { windows(); }
    void controlsNamed() {
        QFETCH(QString, window);
        QWidget* w = shown(window);
        QVERIFY(w);
        QAccessibleInterface* root = QAccessible::queryAccessibleInterface(w);
        QVERIFY(root);
        QStringList unnamed;
        int seen = 0;
        std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* node) {
            for (int i = 0; i < node->childCount(); ++i) {
                QAccessibleInterface* child = node->child(i);
                if (!child)
                    continue;
                const QAccessible::Role role = child->role();
                const bool named = role == QAccessible::EditableText || role == QAccessible::List ||
                                   role == QAccessible::ComboBox || role == QAccessible::CheckBox ||
                                   role == QAccessible::Tree || role == QAccessible::Table;
                auto* widget = qobject_cast<QWidget*>(child->object());
                // A field the program keeps hidden for good is not met by
                // anyone; a combo's drop-down list is a window of its own, met when it opens.
                const bool kept = widget && (widget->isHidden() || widget->window() != w);
                if (named && !kept && child->state().focusable) {
                    ++seen;
                    if (child->text(QAccessible::Name).trimmed().isEmpty())
                        unnamed << (widget ? widget->objectName() + QLatin1Char('/') +
                                                 QLatin1String(widget->metaObject()->className())
                                           : QStringLiteral("?"));
                }
                walk(child);
            }
        };
        walk(root);
        QVERIFY2(unnamed.isEmpty(), qPrintable(QStringLiteral("%1 of %2 unnamed: %3")
                                                   .arg(unnamed.size())
                                                   .arg(seen)
                                                   .arg(unnamed.join(QLatin1String(", ")))));
    }
};

TABDECK_TEST(WindowFitTest)
#include "WindowFitTest.moc"
