#include "editor/EditSession.h"

#include "context/Prompts.h"
#include "core/AtomicFile.h"
#include "core/ControlFile.h"
#include "core/Error.h"
#include "core/IniDocument.h"
#include "core/Opener.h"
#include "core/RegularFile.h"
#include "editor/EditorText.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {
// The strings the user sees, translated under this name.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(EditSession)
};

QString SaveCaption() {
    return Text::tr("Save Changes?");
}
QString Saved() {
    return Text::tr("The changes you made to the control file were saved.");
}
QString NotSaved() {
    return Text::tr("The changes you made to the control file were NOT saved.");
}
QString FileFilters() {
    return Text::tr("All Files (*.*);;INI File (*.ini);;");
}

AppError cannotCreate(const QString& path) {
    return AppError(Text::tr("Cannot create file %1").arg(path));
}

// The Open and Save As dialogs differ in kind, title and the last filter's name.
Prompts::FileDialog fileDialog(Prompts::FileDialog::Kind kind, const QString& title,
                               const QString& bakFilter, const QString& folder) {
    Prompts::FileDialog dialog;
    dialog.kind = kind;
    dialog.title = title;
    dialog.folder = folder;
    dialog.file = QStringLiteral("ControlFile.*");
    dialog.filter = FileFilters() + bakFilter;
    dialog.mustExist = kind == Prompts::FileDialog::Open;
    dialog.confirmOverwrite = true;
    return dialog;
}

// The colour value of a colour picked on screen: the stored value when the
// user kept the colour it showed as, else the fixed colour.
uint32_t colorValue(const QColor& picked, const QColor& shown, uint32_t stored) {
    if (picked.rgb() == shown.rgb())
        return stored;
    return uint32_t(picked.red()) | uint32_t(picked.green()) << 8 | uint32_t(picked.blue()) << 16;
}

} // namespace

EditSession::EditSession(ControlFile& file, Prompts& prompts, Opener& opener,
                         const ProgramPaths& paths, EditorView& view, QWidget* owner,
                         QObject* ownerObject)
    : file_(file), prompts_(prompts), opener_(opener), paths_(paths), view_(view), owner_(owner),
      ownerObject_(ownerObject) {}

void EditSession::create() {
    struct Apply {
        EditSession& s;
        ~Apply() {
            s.view_.applyFont(s.look_.editor);
            s.view_.applyWordWrap(s.look_.wordWrap);
        }
    } apply{*this};
    EditorSettings(file_).load(look_);
}

EditSession::Disk EditSession::disk() const {
    Disk d;
    const regularfile::Result r = regularfile::read(file_.path());
    d.exists = r.status != regularfile::Status::Missing;
    d.readable = r.ok();
    d.status = r.status;
    d.bytes = r.bytes;
    return d;
}

void EditSession::load(const QString& path) {
    const regularfile::Result r = regularfile::read(path);
    if (!r.ok())
        throw AppError(regularfile::cannotOpen(path, r.status));
    setFile(r.bytes);
}

void EditSession::setFile(const QByteArray& bytes) {
    shown_ = editortext::LoadedFile(bytes);
    view_.setText(shown_.text());
}

QByteArray EditSession::editedBytes() const {
    return shown_.toFile(view_.text());
}

void EditSession::show() {
    modified_ = false;
    backupPath_ = paths_.programBasePath + QStringLiteral(".bak");
    fileName_ = file_.path();
    const Disk now = disk();
    if (!now.readable)
        throw AppError(regularfile::cannotOpen(file_.path(), now.status));
    loaded_ = now;
    setFile(now.bytes);
    view_.showFileName(fileName_);
}

void EditSession::writeControlFile(const QByteArray& bytes) {
    file_.replaceText(bytes);
    loaded_ = Disk{true, true, bytes};
}

bool EditSession::mayReplaceControlFile() {
    if (disk() == loaded_)
        return true;
    return prompts_.box(owner_, {SaveCaption(),
                                 Text::tr("The control file was changed since it was loaded. "
                                          "Replace it with the text in the editor?"),
                                 Prompts::Icon::Question, Prompts::Yes | Prompts::No}) ==
           Prompts::Yes;
}

bool EditSession::save() {
    if (!mayReplaceControlFile())
        return false;
    writeControlFile(editedBytes());
    prompts_.notice(owner_, Saved());
    modified_ = false;
    return true;
}

void EditSession::saveChanges() {
    const Prompts::Button answer = prompts_.box(
        owner_,
        {SaveCaption(),
         Text::tr("Are you sure you want to save the changes you made to the control file?"),
         Prompts::Icon::Question, Prompts::Yes | Prompts::No});
    if (answer == Prompts::Yes) {
        save();
        return;
    }
    prompts_.notice(owner_, NotSaved());
    modified_ = false;
}

void EditSession::backUp() {
    const Prompts::Button answer = prompts_.box(
        owner_, {Text::tr("Back up Control File?"),
                 Text::tr("Are you sure you want to back up the control file?"),
                 Prompts::Icon::Question, Prompts::Yes | Prompts::No | Prompts::Cancel});
    if (answer == Prompts::Cancel)
        return;
    if (answer == Prompts::Yes) {
        if (!atomicfile::replace(backupPath_, editedBytes()))
            throw cannotCreate(backupPath_);
        prompts_.notice(owner_, Text::tr("The control file:\r") + file_.path() +
                                    Text::tr("\rwas backed up as:\r") + backupPath_);
    } else {
        prompts_.notice(owner_, Text::tr("The Control File was NOT Backed up!"));
    }
    modified_ = false;
}

void EditSession::restore() {
    if (!QFileInfo::exists(backupPath_)) {
        prompts_.notice(owner_, Text::tr("There is no back up file to restore with!"));
        modified_ = false;
        return;
    }
    const Prompts::Button answer = prompts_.box(
        owner_, {Text::tr("Restore Control File?"),
                 Text::tr("Are you sure you want to restore the control file?"),
                 Prompts::Icon::Question, Prompts::Yes | Prompts::No | Prompts::Cancel});
    if (answer == Prompts::Cancel)
        return;
    if (answer == Prompts::Yes) {
        load(backupPath_);
        writeControlFile(editedBytes());
        prompts_.notice(owner_, Text::tr("The Control File was Restored!\rIt will take "
                                         "affect the next time the program opens!"));
    } else {
        prompts_.notice(owner_, Text::tr("The Control File was NOT Restored!"));
    }
    modified_ = false;
}

void EditSession::saveAs() {
    const std::optional<QString> path = prompts_.file(
        owner_, fileDialog(Prompts::FileDialog::Save, Text::tr("Save the Control File As..."),
                           Text::tr("BAK File (*.bak)"), paths_.listDir));
    if (!path)
        return;
    const QByteArray bytes = editedBytes();
    // The control file itself goes through its engine, so its readers see the new text.
    if (atomicfile::resolveTarget(*path) == atomicfile::resolveTarget(file_.path()))
        writeControlFile(bytes);
    else if (!atomicfile::replace(*path, bytes))
        throw cannotCreate(*path);
    prompts_.notice(owner_, Text::tr("The file was saved as:\r") + *path);
}

void EditSession::open() {
    const std::optional<QString> path =
        prompts_.file(owner_, fileDialog(Prompts::FileDialog::Open, Text::tr("Open a Control File"),
                                         Text::tr("BAK (*.bak)"), paths_.listDir));
    if (!path)
        return;
    load(*path);
    fileName_ = *path;
    view_.showFileName(fileName_);
}

void EditSession::writeKeys(const QList<ControlFile::Entry>& entries) {
    // Our own write is no change by someone else: when the editor was in
    // step with the file before, it is so afterwards.
    const bool inStep = disk() == loaded_;
    file_.writeAll(entries);
    if (inStep)
        loaded_ = disk();
    // Save Changes writes the editor's text over the file; without the keys
    // in the text it would undo this choice.
    IniDocument doc = IniDocument::parse(editedBytes());
    for (const ControlFile::Entry& e : entries)
        doc.set(e.section, e.key, e.value);
    view_.patchText(editortext::fromFile(doc.serialize()));
}

void EditSession::chooseFont() {
    const QColor shown = view_.screenColor(look_.kept.color);
    const std::optional<Prompts::FontChoice> choice =
        prompts_.fontAndColor(owner_, {look_.kept.toQFont(), shown});
    if (!choice)
        return;
    const EditorFont chosen =
        EditorFont::fromQFont(choice->font, colorValue(choice->color, shown, look_.kept.color));
    look_.kept = look_.editor = chosen;
    view_.applyFont(chosen);
    writeKeys(EditorSettings::fontEntries(chosen));
}

void EditSession::setWordWrap(bool on) {
    look_.wordWrap = on;
    view_.applyWordWrap(on);
    writeKeys({EditorSettings::wordWrapEntry(on)});
}

void EditSession::help() {
    if (QFileInfo::exists(paths_.editHelp))
        opener_.open(ownerObject_, paths_.editHelp);
}

bool EditSession::closeQuery() {
    if (!modified_)
        return true;
    const Prompts::Button answer = prompts_.box(
        owner_,
        {SaveCaption(), Text::tr("Do you want to save the changes you made to the control file?"),
         Prompts::Icon::Question, Prompts::Yes | Prompts::No | Prompts::Cancel});
    if (answer == Prompts::Cancel)
        return false;
    if (answer == Prompts::Yes)
        return save();
    prompts_.notice(owner_, NotSaved());
    modified_ = false;
    return true;
}
