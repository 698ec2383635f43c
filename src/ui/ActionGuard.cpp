#include "ui/ActionGuard.h"

#include "context/Prompts.h"
#include "core/Error.h"

#include <QCoreApplication>
#include <exception>
#include <new>

namespace {
// The strings the user sees, translated under this name.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(ActionGuard)
};
} // namespace

namespace actionguard {

bool run(Prompts& prompts, QWidget* owner, const std::function<void()>& body) {
    try {
        body();
        return true;
    } catch (const AppError& e) {
        prompts.error(owner, e.text());
    } catch (const std::bad_alloc&) {
        prompts.error(owner, Text::tr("Out of memory"));
    } catch (const std::exception& e) {
        prompts.error(owner, QString::fromLocal8Bit(e.what()));
    } catch (...) {
        prompts.error(owner, Text::tr("Unknown error"));
    }
    return false;
}

} // namespace actionguard
