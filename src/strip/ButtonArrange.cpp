#include "strip/ButtonArrange.h"

#include "context/Prompts.h"
#include "core/ButtonSlots.h"
#include "core/ControlFile.h"
#include "strip/LaunchOptions.h"
#include "strip/StripView.h"

#include <QCoreApplication>
#include <algorithm>
#include <tuple>

namespace {
// The strings the user sees, translated under this name.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(ButtonArrange)
};

bool inRange(int n) {
    return n >= 1 && n <= buttonslots::ButtonCount;
}

// The launch options of `moves` (button, target it gets, options it gets),
// written only where some button has options, so a file without them stays so.
QList<ControlFile::Entry>
optionsFollow(const QList<std::tuple<int, QString, LaunchOptions>>& moves) {
    QList<ControlFile::Entry> entries;
    const bool any = std::any_of(moves.begin(), moves.end(),
                                 [](const auto& m) { return !std::get<2>(m).isEmpty(); });
    if (any)
        for (const auto& [n, target, options] : moves)
            entries += LaunchOptionsSettings::entries(n, target, options);
    return entries;
}
} // namespace

ButtonArrange::ButtonArrange(StripView& view, ControlFile& file, Prompts& prompts, ShowButton show)
    : view_(view), prompts_(prompts), slots_(file), options_(file), show_(std::move(show)) {}

bool ButtonArrange::swap(int from, int to) {
    if (!inRange(from) || !inRange(to) || from == to)
        return false;
    const ControlFile::Value target = slots_.target(from);
    if (!target.isSet())
        return false;
    const ControlFile::Value other = slots_.target(to);
    slots_.setSlots(
        {{from, other.text, slots_.icon(to).text}, {to, target.text, slots_.icon(from).text}},
        optionsFollow({{from, other.text, options_.read(to, other.text)},
                       {to, target.text, options_.read(from, target.text)}}));
    show_(from);
    show_(to);
    return true;
}

int ButtonArrange::moveToTable(int from, int table) {
    if (!inRange(from) || table < 1 || table > buttonslots::TableCount ||
        buttonslots::tableOfButton(from) == table)
        return 0;
    const ControlFile::Value target = slots_.target(from);
    if (!target.isSet())
        return 0;
    const int to = firstEmpty(table);
    if (to == 0) {
        prompts_.notice(view_.owner(),
                        Text::tr("Table %1 is full: no button on it is empty.").arg(table));
        return 0;
    }
    slots_.setSlots({{from, QString(), QString()}, {to, target.text, slots_.icon(from).text}},
                    optionsFollow({{from, QString(), LaunchOptions{}},
                                   {to, target.text, options_.read(from, target.text)}}));
    show_(from);
    show_(to);
    return to;
}

int ButtonArrange::firstEmpty(int table) const {
    if (table < 1 || table > buttonslots::TableCount)
        return 0;
    const int first = buttonslots::firstButtonOfTable(table);
    for (int n = first; n < first + buttonslots::ButtonsPerTable; ++n)
        if (!slots_.target(n).isSet())
            return n;
    return 0;
}

int ButtonArrange::neighbour(int n, int step) {
    if (!inRange(n))
        return 0;
    const int m = n + step;
    return inRange(m) && buttonslots::tableOfButton(m) == buttonslots::tableOfButton(n) ? m : 0;
}

QList<QUrl> ButtonArrange::offerFor(const QString& target) {
    if (target.startsWith(QLatin1Char('/')))
        return {QUrl::fromLocalFile(target)};
    if (buttonslots::isAddress(target)) {
        const QUrl url(target);
        if (url.isValid())
            return {url};
    }
    return {};
}
