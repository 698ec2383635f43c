#include "mail/window/EmailHelpMenu.h"

#include "mail/window/EmailPages.h"
#include "ui/HintRouter.h"

#include <QMenu>

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
        {"Send Mail Help", 0, "Send Mail Help", "E-mail Help",
         "Send Mail:\r\rThe Send Mail method sends the E-Mail message, if everything is setup "
         "right.\r\rBefore you Send Mail you have to Setup your e-mail information on the Setup "
         "Page.\r"},
        {"Disconnect Help", 0, "Disconnect Help", "E-mail Help",
         "Disconnect:\r\rIf you are connected this disconnects you.\r\rThe Send Mail Button "
         "connects you, sends the mail, and then disconnects you if the e-mail was sent "
         "right.\rElse use this Button to disconnect.\r"},
        {"E-mail List", 1, "E-mail List", "E-mail List Help",
         "E-mail List:\r\rDouble click a e-mail address in the list, and the e-mail address is "
         "placed in the TO: Box.\r"},
        {"Name List", 1, "Name List", "E-mail List Help",
         "Name List:\r\rDouble click a name in the list, and the e-mail address is placed in the "
         "TO: Box.\r"},
        {"E-mail Address", 1, "Enter E-mail Address", "E-mail List Help",
         "Enter E-mail Address:\r\rEnter the e-mail address you want to add to the list.\r"},
        {"Enter Name", 1, "Enter Name", "E-mail List Help",
         "Enter Name:\r\rEnter the name you want to add to the list.\r"},
        {"Add", 1, "Add Button", "E-mail List Help",
         "Add Button:\r\rClick here to add the e-mail address, and name to the list.\r\rTo remove "
         "a e-mail address and name from the list, highlight a e-mail address or name and click "
         "the right mouse button.\r"},
        {"Host", 2, "Enter you e-mail host:", "E-mail Setup Help",
         "Enter you e-mail host:\r\rHere you enter your e-mail host.\rExample: " + kExampleHost +
             ".\r"},
        {"User ID", 2, "Enter your User ID:", "E-mail Setup Help",
         "Enter your User ID:\r\rHere you enter your e-mail UserID.\rExample: Your password.\r"},
        {"E-mail Address", 2, "Enter your e-mail address:", "E-mail Setup Help",
         "Enter your e-mail address:\r\rHere you enter your e-mail address.\rExample: " +
             kExampleAddress + ".\r"},
        {"Name", 2, "Enter your name:", "E-mail Setup Help",
         "Enter your name:\r\rHere you enter your name.\r"},
        {"Save Setup", 2, "Save Setup Button", "E-mail Setup Help",
         "Save Setup Button:\r\rClick here to save your e-mail setup information.\r"},
        {"Select File Help", 0, "Select File Help", "E-mail Help",
         "Select file to send Button:\r\rClick here to select the file you want to send.\r"},
        {"Select File Type Help", 0, "Select File Type Help", "E-mail Help",
         "Select File Type:\r\rSelect the type of file your are sending.\r\rThe type is used for "
         "specifying a sub-type for e-mail documents.\r     HTML (Hyper Text Markup Language) "
         "Document.\r     Rich Text Format.\r     SGML (Standard Generalized Markup Language) "
         "Document.\r     Plain Text Format (Default).\r"},
    };
    QMenu* subs[3] = {menu, nullptr, nullptr};
    for (const Leaf& leaf : leaves) {
        if (leaf.submenu && !subs[leaf.submenu]) {
            const char* title = leaf.submenu == 1 ? "E-mail List Help" : "Setup Help";
            subs[leaf.submenu] = menu->addMenu(QString::fromLatin1(title));
            subs[leaf.submenu]->setObjectName(leaf.submenu == 1 ? "EmailListHelp" : "SetupHelp");
            hints::set(subs[leaf.submenu]->menuAction(), QString::fromLatin1(title));
        }
        QAction* a = subs[leaf.submenu]->addAction(QString::fromLatin1(leaf.item));
        hints::set(a, QString::fromLatin1(leaf.hint));
        const Prompts::Box box{QString::fromLatin1(leaf.caption), leaf.text,
                               Prompts::Icon::Question, Prompts::Ok};
        QObject::connect(a, &QAction::triggered, menu, [show, box] { show(box); });
    }
    return menu;
}
