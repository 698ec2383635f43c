#pragma once
#include <QWidget>
#include <functional>
#include <utility>

class Prompts;

// Every entry point from Qt (slot, event handler, timer) runs its body here:
// an error ends the user's action and is shown in the general error box, and
// no exception ever crosses a Qt frame. Returns false when the body failed.
namespace actionguard {

bool run(Prompts& prompts, QWidget* owner, const std::function<void()>& body);

// A slot without arguments for connect(): guarded(prompts, this, [this] { ... }).
// Slots that take the signal's arguments call run() in their own lambda.
template <typename F> auto guarded(Prompts& prompts, QWidget* owner, F body) {
    return [&prompts, owner, body = std::move(body)]() { run(prompts, owner, body); };
}

} // namespace actionguard
