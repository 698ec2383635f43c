#include "ui/ActionGuard.h"

#include "context/Prompts.h"
#include "core/Error.h"

#include <exception>
#include <new>

namespace actionguard {

bool run(Prompts& prompts, QWidget* owner, const std::function<void()>& body) {
    try {
        body();
        return true;
    } catch (const AppError& e) {
        prompts.error(owner, e.text());
    } catch (const std::bad_alloc&) {
        prompts.error(owner, QStringLiteral("Out of memory"));
    } catch (const std::exception& e) {
        prompts.error(owner, QString::fromLocal8Bit(e.what()));
    } catch (...) {
        prompts.error(owner, QStringLiteral("Unknown error"));
    }
    return false;
}

} // namespace actionguard
