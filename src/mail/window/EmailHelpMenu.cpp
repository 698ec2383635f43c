#include "mail/window/EmailHelpMenu.h"

#include "mail/window/EmailPages.h"
#include "ui/HintRouter.h"

#include <QCoreApplication>
#include <QMenu>

namespace {
// The strings the user sees, translated under this name.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(EmailHelpMenu)
};
} // namespace

QMenu* buildEmailHelpMenu(QWidget* parent, const std::function<void(const Prompts::Box&)>& show) {
    auto* menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("HelpMenu"));
    struct Leaf {
        const char* item;
        int submenu; // 0 none, 1 "E-mail List Help", 2 "Setup Help"
        const char* hint;
        const char* caption;
        QString text;
    };
    const QList<Leaf> leaves = {
        {QT_TRANSLATE_NOOP("EmailHelpMenu", "Send Mail Help"), 0,
         QT_TRANSLATE_NOOP("EmailHelpMenu", "Send Mail Help"),
         QT_TRANSLATE_NOOP("EmailHelpMenu", "E-mail Help"),
         Text::tr(
             "Send Mail:\r\rThe Send Mail method sends the E-Mail message, if everything is setup "
             "right.\r\rBefore you Send Mail you have to Setup your e-mail information on the "
             "Setup "
             "Page.\r")},
        {QT_TRANSLATE_NOOP("EmailHelpMenu", "Disconnect Help"), 0,
         QT_TRANSLATE_NOOP("EmailHelpMenu", "Disconnect Help"),
         QT_TRANSLATE_NOOP("EmailHelpMenu", "E-mail Help"),
         Text::tr(
             "Disconnect:\r\rIf you are connected this disconnects you.\r\rThe Send Mail Button "
             "connects you, sends the mail, and then disconnects you if the e-mail was sent "
             "right.\rElse use this Button to disconnect.\r")},
        {QT_TRANSLATE_NOOP("EmailHelpMenu", "E-mail List"), 1,
         QT_TRANSLATE_NOOP("EmailHelpMenu", "E-mail List"),
         QT_TRANSLATE_NOOP("EmailHelpMenu", "E-mail List Help"),
         Text::tr(
             "E-mail List:\r\rDouble click a e-mail address in the list, and the e-mail address is "
             "placed in the TO: Box.\r")},
        {QT_TRANSLATE_NOOP("EmailHelpMenu", "Name List"), 1,
         QT_TRANSLATE_NOOP("EmailHelpMenu", "Name List"),
         QT_TRANSLATE_NOOP("EmailHelpMenu", "E-mail List Help"),
         Text::tr("Name List:\r\rDouble click a name in the list, and the e-mail address is placed "
                  "in the "
                  "TO: Box.\r")},
        {QT_TRANSLATE_NOOP("EmailHelpMenu", "E-mail Address"), 1,
         QT_TRANSLATE_NOOP("EmailHelpMenu", "Enter E-mail Address"),
         QT_TRANSLATE_NOOP("EmailHelpMenu", "E-mail List Help"),
         Text::tr(
             "Enter E-mail Address:\r\rEnter the e-mail address you want to add to the list.\r")},
        {QT_TRANSLATE_NOOP("EmailHelpMenu", "Enter Name"), 1,
         QT_TRANSLATE_NOOP("EmailHelpMenu", "Enter Name"),
         QT_TRANSLATE_NOOP("EmailHelpMenu", "E-mail List Help"),
         Text::tr("Enter Name:\r\rEnter the name you want to add to the list.\r")},
        {QT_TRANSLATE_NOOP("EmailHelpMenu", "Add"), 1,
         QT_TRANSLATE_NOOP("EmailHelpMenu", "Add Button"),
         QT_TRANSLATE_NOOP("EmailHelpMenu", "E-mail List Help"),
         Text::tr("Add Button:\r\rClick here to add the e-mail address, and name to the "
                  "list.\r\rTo remove "
                  "a e-mail address and name from the list, highlight a e-mail address or name and "
                  "click "
                  "the right mouse button.\r")},
        {QT_TRANSLATE_NOOP("EmailHelpMenu", "Host"), 2,
         QT_TRANSLATE_NOOP("EmailHelpMenu", "Enter you e-mail host:"),
         QT_TRANSLATE_NOOP("EmailHelpMenu", "E-mail Setup Help"),
         Text::tr("Enter you e-mail host:\r\rHere you enter your e-mail host.\rExample: ") +
             kExampleHost + ".\r"},
        {QT_TRANSLATE_NOOP("EmailHelpMenu", "User ID"), 2,
         QT_TRANSLATE_NOOP("EmailHelpMenu", "Enter your User ID:"),
         QT_TRANSLATE_NOOP("EmailHelpMenu", "E-mail Setup Help"),
         Text::tr("Enter your User ID:\r\rHere you enter your e-mail UserID.\rExample: Your "
                  "password.\r")},
        {QT_TRANSLATE_NOOP("EmailHelpMenu", "E-mail Address"), 2,
         QT_TRANSLATE_NOOP("EmailHelpMenu", "Enter your e-mail address:"),
         QT_TRANSLATE_NOOP("EmailHelpMenu", "E-mail Setup Help"),
         Text::tr("Enter your e-mail address:\r\rHere you enter your e-mail address.\rExample: ") +
             kExampleAddress + ".\r"},
        {QT_TRANSLATE_NOOP("EmailHelpMenu", "Name"), 2,
         QT_TRANSLATE_NOOP("EmailHelpMenu", "Enter your name:"),
         QT_TRANSLATE_NOOP("EmailHelpMenu", "E-mail Setup Help"),
         Text::tr("Enter your name:\r\rHere you enter your name.\r")},
        {QT_TRANSLATE_NOOP("EmailHelpMenu", "Save Setup"), 2,
         QT_TRANSLATE_NOOP("EmailHelpMenu", "Save Setup Button"),
         QT_TRANSLATE_NOOP("EmailHelpMenu", "E-mail Setup Help"),
         Text::tr("Save Setup Button:\r\rClick here to save your e-mail setup information.\r")},
        {QT_TRANSLATE_NOOP("EmailHelpMenu", "Select File Help"), 0,
         QT_TRANSLATE_NOOP("EmailHelpMenu", "Select File Help"),
         QT_TRANSLATE_NOOP("EmailHelpMenu", "E-mail Help"),
         Text::tr(
             "Select file to send Button:\r\rClick here to select the file you want to send.\r")},
        {QT_TRANSLATE_NOOP("EmailHelpMenu", "Select File Type Help"), 0,
         QT_TRANSLATE_NOOP("EmailHelpMenu", "Select File Type Help"),
         QT_TRANSLATE_NOOP("EmailHelpMenu", "E-mail Help"),
         Text::tr(
             "Select File Type:\r\rSelect the type of file your are sending.\r\rThe type is used "
             "for "
             "specifying a sub-type for e-mail documents.\r     HTML (Hyper Text Markup Language) "
             "Document.\r     Rich Text Format.\r     SGML (Standard Generalized Markup Language) "
             "Document.\r     Plain Text Format (Default).\r")},
    };
    QMenu* subs[3] = {menu, nullptr, nullptr};
    for (const Leaf& leaf : leaves) {
        if (leaf.submenu && !subs[leaf.submenu]) {
            const char* title = leaf.submenu == 1
                                    ? QT_TRANSLATE_NOOP("EmailHelpMenu", "E-mail List Help")
                                    : QT_TRANSLATE_NOOP("EmailHelpMenu", "Setup Help");
            subs[leaf.submenu] = menu->addMenu(Text::tr(title));
            subs[leaf.submenu]->setObjectName(leaf.submenu == 1 ? "EmailListHelp" : "SetupHelp");
            hints::set(subs[leaf.submenu]->menuAction(), Text::tr(title));
        }
        QAction* a = subs[leaf.submenu]->addAction(Text::tr(leaf.item));
        hints::set(a, Text::tr(leaf.hint));
        const Prompts::Box box{Text::tr(leaf.caption), leaf.text, Prompts::Icon::Question,
                               Prompts::Ok};
        QObject::connect(a, &QAction::triggered, menu, [show, box] { show(box); });
    }
    return menu;
}
