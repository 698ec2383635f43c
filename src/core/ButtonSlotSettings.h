#pragma once
#include "core/ControlFile.h"

#include <QList>
#include <QString>

// The button slots in the control file, each section and the read limit
// spelled once: BUTTON n holds a button's target, ICON n its picture (or,
// for an executable, the file whose icon it shows), n = 1..360. Both are
// read into 256 characters, so at most 255 arrive. Read key by key at each
// call; every caller keeps its own test on the value (non-empty or set).
class ButtonSlotSettings {
public:
    explicit ButtonSlotSettings(ControlFile& file) : file_(file) {}

    ControlFile::Value target(int n) const { return target(file_, n); }
    // For readers that hold the file read-only (file properties).
    static ControlFile::Value target(const ControlFile& file, int n);
    ControlFile::Value icon(int n) const;

    void setTarget(int n, const QString& path);
    void setIcon(int n, const QString& path);
    // Empties the target, then the icon.
    void clear(int n);

    // Several slots rewritten in one replacement of the file, with `also`
    // (what belongs to those slots elsewhere): a failed write leaves every
    // one of them as it was.
    struct Slot {
        int n = 0;
        QString target;
        QString icon;
    };
    void setSlots(const QList<Slot>& changed, const QList<ControlFile::Entry>& also = {});

    // Every slot empty, all targets before all icons: what a new control
    // file holds.
    static QList<ControlFile::Entry> emptySlots();

private:
    ControlFile& file_;
};
