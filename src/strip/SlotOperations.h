#pragma once
#include "core/ButtonSlotSettings.h"
#include "graphics/Picture.h"

#include <QObject>
#include <QString>

class ControlFile;
class Prompts;
class CutBox;
class QMimeData;
class QWidget;
class StripView;

// What a button holds: putting a target on the selected button (Open dialog
// or a drop), showing and clearing the button, and Delete, Cut and Paste
// with the cut buffer (the hidden boxes CutTo1 and CutTo3 and the
// executable flag). Every operation acts on the selected button; one made
// while no button is selected (0) is ignored.
class SlotOperations : public QObject {
    Q_OBJECT
public:
    // The buttons show their pictures and hints on the view; the cut buffer
    // is its CutTo1 and CutTo3.
    SlotOperations(StripView& view, ControlFile& controlFile, Prompts& prompts, QString iconsDir,
                   QObject* parent = nullptr);

    // Takes drops on the strip (also over its panels and free areas) and
    // connects the button menu's Open, Cut, Paste and Delete.
    void attach();

    void Open1Click();
    // The first dropped item fills the selected button; the drop position
    // does not count.
    void WMDropFiles(const QMimeData& data);
    // The steps every assignment shares, on the target given.
    void assign(const QString& path);
    void ShowSelectedButton();
    void ClearSelectedButton();
    void Delete1Click();
    void Cut1Click();
    void Paste1Click();

    // The executable flag (the last Cut took an executable) and the target
    // whose picture is in the icon buffer.
    bool executable() const { return executable_; }
    const QString& currentPath() const { return currentPath_; }
    CutBox* cutTo1() const { return cutTo1_; }
    CutBox* cutTo3() const { return cutTo3_; }

    // The picture chooser's filter: every readable picture type, all of them first.
    static QString pictureFilter();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool hasSelection() const;
    bool takesTarget(const QString& path) const;
    int selected() const;

    StripView& view_;
    QWidget* strip_;
    ControlFile& file_;
    ButtonSlotSettings slots_;
    Prompts& prompts_;
    QString iconsDir_;
    QString draggedPath_; // first item of the drag over the strip
    bool executable_ = false;
    QString currentPath_;
    // Filled by an assignment or Paste, then copied onto the button.
    Picture iconBuffer_;
    CutBox* cutTo1_ = nullptr;
    CutBox* cutTo3_ = nullptr;
};
