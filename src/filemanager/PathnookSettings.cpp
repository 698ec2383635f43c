#include "filemanager/PathnookSettings.h"

#include "context/Prompts.h"
#include "core/ControlFile.h"
#include "core/Error.h"
#include "platform/UserRegistry.h"

#include <QCoreApplication>

namespace {
// The strings the user sees, translated under this name.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(PathnookSettings)
};

const QString kSection = QStringLiteral("PATHNOOK");
const QString kSwitchSection = QStringLiteral("REGSETUP");
const QString kSwitchKey = QStringLiteral("Switch");
constexpr int kSwitchLimit = 10;
// Every read of a key uses this one limit, also the switch to the
// registry, so a long filter list is never cut on the way across.
constexpr int kLimits[PathnookSettings::KeyCount] = {40, 40, 1536};

} // namespace

const QString PathnookSettings::optionsKey =
    QStringLiteral("Software\\Fernhollow\\Pathnook\\Options");

PathnookSettings::PathnookSettings(ControlFile& file, UserRegistry& registry)
    : file_(file), registry_(registry) {}

QString PathnookSettings::keyName(Key key) {
    switch (key) {
    case BackColor:
        return QStringLiteral("BackColor");
    case FileMask:
        return QStringLiteral("FileMask");
    case FileFilter:
        break;
    }
    return QStringLiteral("FileFilter");
}

QString PathnookSettings::editingNotice() {
    return QStringLiteral("If you make changes to this file remember to save this file after the "
                          "changes. DO NOT remove [PATHNOOK] or BackColor= etc. Only remove or add "
                          "the text after the = sign...... Pathnook keeps its colour, file mask "
                          "and file filters here.");
}

PathnookSettings::Mode PathnookSettings::readMode() {
    if (!file_.exists())
        mode_ = Mode::Registry;
    else if (file_.read(kSwitchSection, kSwitchKey, kSwitchLimit).nonEmpty())
        mode_ = Mode::Ini;
    return mode_;
}

PathnookSettings::Values PathnookSettings::read() {
    Values out;
    if (mode_ == Mode::Ini) {
        for (int k = 0; k < KeyCount; ++k) {
            const auto v = file_.read(kSection, keyName(Key(k)), kLimits[k]);
            if (v.isSet())
                out.value[k] = v.text;
        }
        return out;
    }
    if (!registry_.openKey(optionsKey, false))
        return out;
    for (int k = 0; k < KeyCount; ++k)
        if (auto v = registry_.readString(keyName(Key(k)))) {
            remembered_[k] = *v;
            out.value[k] = *v;
        }
    registry_.closeKey();
    return out;
}

void PathnookSettings::write(Key key, const QString& value) {
    if (mode_ == Mode::Ini) {
        file_.write(kSection, keyName(key), value);
        return;
    }
    if (!registry_.openKey(optionsKey, true))
        throw AppError(Text::tr("Failed to set data for '%1'").arg(keyName(key)));
    registry_.writeString(keyName(key), value);
    registry_.closeKey();
    // What the registry now holds is what a later switch must carry, not
    // the value read before this change.
    remembered_[key] = value;
}

void PathnookSettings::clearColor() {
    if (mode_ == Mode::Ini) {
        file_.write(kSection, keyName(BackColor), QString());
        return;
    }
    if (registry_.openKey(optionsKey, false)) {
        registry_.deleteValue(keyName(BackColor));
        registry_.closeKey();
    }
    remembered_[BackColor].reset();
}

void PathnookSettings::switchToIni(Prompts& prompts, QWidget* owner) {
    mode_ = Mode::Ini;
    if (!file_.exists())
        file_.write(QStringLiteral("HELP_INFORMATION"), QStringLiteral("Pathnook"),
                    editingNotice());
    file_.write(kSwitchSection, kSwitchKey, QStringLiteral("1"));
    if (registry_.openKey(optionsKey, false)) {
        for (int k = 0; k < KeyCount; ++k)
            if (auto v = registry_.readString(keyName(Key(k)))) {
                remembered_[k] = *v;
                file_.write(kSection, keyName(Key(k)), *v);
            }
        registry_.closeKey();
    }
    if (!prompts.confirm(owner, Text::tr("Is it OK to Delete the Key (Pathnook) and lose "
                                         "it's Values?")))
        return;
    if (!registry_.keyExists(UserRegistry::rootKey))
        prompts.notice(owner, Text::tr("The Key Pathnook does not Exixts the Registry."));
    else if (registry_.deleteKey(UserRegistry::rootKey))
        prompts.notice(owner, Text::tr("The Key Pathnook was cleared from the Registry."));
    else
        prompts.notice(owner,
                       Text::tr("ERROR: Could NOT remove Key Pathnook from the Registry!!!"));
}

void PathnookSettings::switchToRegistry(Prompts& prompts, QWidget* owner) {
    mode_ = Mode::Registry;
    for (int k = 0; k < KeyCount; ++k) {
        const auto v = file_.read(kSection, keyName(Key(k)), kLimits[k]);
        if (v.isSet())
            remembered_[k] = v.text;
    }
    if (!registry_.openKey(optionsKey, true))
        throw AppError(Text::tr("Failed to set data for '%1'").arg(keyName(BackColor)));
    // A value never read is skipped: an empty BackColor could not be read
    // back as a colour at the next showing.
    for (int k = 0; k < KeyCount; ++k)
        if (remembered_[k])
            registry_.writeString(keyName(Key(k)), *remembered_[k]);
    registry_.closeKey();
    // The control file is the launcher's whole state: only the switch is
    // emptied, so the mode reads as registry from now on.
    file_.write(kSwitchSection, kSwitchKey, QString());
    prompts.notice(owner, Text::tr("The Setup information was, and will be saved in the "
                                   "Registry!"));
}
