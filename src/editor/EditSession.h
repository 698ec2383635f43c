#pragma once
#include "core/ProgramPaths.h"
#include "core/RegularFile.h"
#include "editor/EditorSettings.h"
#include "editor/EditorText.h"

#include <QByteArray>
#include <QColor>
#include <QString>

class ControlFile;
class Opener;
class Prompts;
class QObject;
class QWidget;

// What the session needs of the editor window.
class EditorView {
public:
    virtual ~EditorView() = default;
    // The editor's text, lines joined by "\n".
    virtual QString text() const = 0;
    // Replaces the text (a file was loaded).
    virtual void setText(const QString& text) = 0;
    // Changes the text to `text` where it differs, keeping the cursor and
    // the view where they were (the session's own key changes).
    virtual void patchText(const QString& text) = 0;
    virtual void showFileName(const QString& path) = 0;
    virtual void applyFont(const EditorFont& font) = 0;
    virtual void applyWordWrap(bool on) = 0;
    // The colour a stored colour value shows as on this desktop.
    virtual QColor screenColor(uint32_t value) const = 0;
};

// The control file editor's document: loading, saving with the check that
// the control file did not change meanwhile, back-up and restore, the font
// and word wrap choices. Every box goes through the prompts, owned by `owner`;
// `ownerObject` is the same window, as the opener takes it.
class EditSession {
public:
    EditSession(ControlFile& file, Prompts& prompts, Opener& opener, const ProgramPaths& paths,
                EditorView& view, QWidget* owner, QObject* ownerObject);

    // At creation: the stored font and word wrap. A bad value throws after
    // the settings before it were applied.
    void create();
    // Each showing: reload the control file, clear the modified flag.
    void show();
    void saveChanges();
    void backUp();
    void restore();
    void saveAs();
    void open();
    void chooseFont();
    void setWordWrap(bool on);
    void help();
    // True when the window may close.
    bool closeQuery();

    void markModified() { modified_ = true; }
    bool modified() const { return modified_; }
    const QString& fileName() const { return fileName_; }
    const QString& backupPath() const { return backupPath_; }
    const EditorLook& look() const { return look_; }

private:
    // The control file as it is on disk now: its bytes, or nothing when it
    // is missing; `readable` false when it exists but cannot be read.
    struct Disk {
        bool exists = false;
        bool readable = true;
        QByteArray bytes;
        regularfile::Status status = regularfile::Status::Ok;
        bool operator==(const Disk&) const = default;
    };
    Disk disk() const;
    // Puts a file's text into the editor; saving it unchanged writes these bytes.
    void load(const QString& path);
    void setFile(const QByteArray& bytes);
    // What the editor's text is as a file: the loaded file's bytes wherever
    // the user left a line as it was.
    QByteArray editedBytes() const;
    void writeControlFile(const QByteArray& bytes);
    // Asks before a save would overwrite a change made by someone else since
    // the text was loaded; false when the user keeps the file.
    bool mayReplaceControlFile();
    bool save(); // the write of Save Changes and the close query's Yes
    // Writes keys at once and puts them into the editor's text as well.
    void writeKeys(const QList<ControlFile::Entry>& entries);

    ControlFile& file_;
    Prompts& prompts_;
    Opener& opener_;
    const ProgramPaths& paths_;
    EditorView& view_;
    QWidget* owner_;
    QObject* ownerObject_;
    EditorLook look_ = EditorLook::design();
    QString fileName_;
    QString backupPath_;
    bool modified_ = false;
    Disk loaded_;                  // the control file as the editor last read or wrote it
    editortext::LoadedFile shown_; // the file whose text the editor shows
};
