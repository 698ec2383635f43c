#include "icons/ExtractorHelp.h"

#include <QCoreApplication>

namespace extractorhelp {

namespace {
// The strings the user sees, translated under this name.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(ExtractorHelp)
};

QString text(int number) {
    switch (number) {
    case 1:
        return Text::tr(" Here you open a *.exe or *.dll file to extract icons from.\r");
    case 2:
        return Text::tr("Here you save the current icon that is selected.\rThe current icon "
                        "is showen in the image at the top.\r");
    case 3:
        return Text::tr("Here you save all of the icons that are in the *.exe or *.dll file "
                        "you have open.\rBefore you can save all of the icons, you have to "
                        "select or create a folder to save them to.\r");
    default:
        return Text::tr(
            "This is where you select or create a folder to save all of the icons in.\r");
    }
}

} // namespace

Prompts::Box box(int number) {
    Prompts::Box box;
    box.caption = Text::tr("Extract Icons Help:");
    box.text = text(number);
    box.icon = Prompts::Icon::Question;
    box.buttons = Prompts::Ok;
    return box;
}

} // namespace extractorhelp
