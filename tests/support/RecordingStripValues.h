#pragma once
// The strip as its logic sees it, without a widget: a record of every value
// the logic gives it (pictures, hints, label texts, colours, the table shown
// and the tops, the place) and the menu items it marks, so the strip's logic
// tests link no window library. The strip window's own drawing of these
// values is tested on the real window.
#include "core/ButtonSlots.h"
#include "graphics/Picture.h"
#include "strip/StripMenus.h"
#include "strip/StripView.h"

#include <QAction>
#include <QObject>
#include <QPoint>
#include <QSize>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>

namespace testsupport {

class RecordingStripValues : public StripView {
public:
    // What the logic last gave button n, and how often it gave a picture.
    struct Face {
        Picture picture;
        QString hint;
        int updates = 0;
        bool dimmed = false;
    };
    std::map<int, Face> faces;
    QString tableCaption = QStringLiteral("Tabel 1");
    QString buttonNumberText;
    int keyboardMark = 0;
    std::map<StripSettings::ColorTarget, uint32_t> colors;
    bool stayOnTop = false;
    int shownTable = 1;
    std::array<int, buttonslots::TableCount + 1> tableTops{}; // index 0 unused
    QPoint pos;
    QSize size{622, 51};
    // The window manager's answer to a place asked (and whether the strip
    // places itself); none: every place is given as asked.
    std::function<QRect(QRect asked, bool unmanaged)> placing;
    std::function<void()> beforeAnswer; // runs inside awaitPlace, before its answer
    QRect placedAt;                     // the window manager's last answer
    bool narrowed = false;
    bool unmanaged = false;
    bool hideBarIsRed = false;
    QString hideBarHint;
    std::array<QString, 3> cuts;

    // The menu items the logic marks and renames, as the strip's menus
    // start them: table items named "Table n", table 1 marked, Close disabled,
    // Normal checked.
    RecordingStripValues() {
        for (int t = 1; t <= buttonslots::TableCount; ++t) {
            menus_.tableA[t] = item(QStringLiteral("Table %1").arg(t), true);
            menus_.tableB[t] = item(QStringLiteral("Table %1").arg(t), true);
            menus_.renameTable[t] = item(QStringLiteral("Table %1").arg(t), false);
        }
        for (QAction** a : {&menus_.open,
                            &menus_.cut,
                            &menus_.paste,
                            &menus_.remove,
                            &menus_.fileProperties,
                            &menus_.defaultTableNames,
                            &menus_.email,
                            &menus_.extractIcons,
                            &menus_.convertIcons,
                            &menus_.filesFolders,
                            &menus_.viewPictures,
                            &menus_.closeOnLaunch,
                            &menus_.hideOnLaunch,
                            &menus_.buttonColor,
                            &menus_.buttonDefaultColor,
                            &menus_.tableColor,
                            &menus_.tableDefaultColor,
                            &menus_.programColor,
                            &menus_.programDefaultColor,
                            &menus_.reminderStart,
                            &menus_.reminderStop,
                            &menus_.editControlFile,
                            &menus_.hint,
                            &menus_.about,
                            &menus_.extensiveHelp,
                            &menus_.bugReport})
            *a = item(QString(), false);
        for (QAction** a : {&menus_.stayOnTop, &menus_.normal, &menus_.startWithDesktop})
            *a = item(QString(), true);
        menus_.tableA[1]->setChecked(true);
        menus_.closeOnLaunch->setEnabled(false);
        menus_.normal->setChecked(true);
    }

    QWidget* owner() override { return nullptr; }
    QWindow* stripHandle() override { return nullptr; }
    StripMenus& menus() override { return menus_; }

    void setButtonPicture(int n, const Picture& picture) override {
        if (!isButton(n))
            return;
        Face& face = faces[n];
        face.picture = picture;
        face.dimmed = false; // a new face is for a new target
        ++face.updates;
    }
    void setButtonHint(int n, const QString& hint) override {
        if (isButton(n))
            faces[n].hint = hint;
    }
    QString buttonHint(int n) const override {
        const auto it = faces.find(n);
        return it == faces.end() ? QString() : it->second.hint;
    }
    void setButtonDimmed(int n, bool dimmed) override {
        if (isButton(n))
            faces[n].dimmed = dimmed;
    }
    bool dimmed(int n) const {
        const auto it = faces.find(n);
        return it != faces.end() && it->second.dimmed;
    }

    void setTableCaption(const QString& text) override { tableCaption = text; }
    void setButtonNumberText(const QString& text) override { buttonNumberText = text; }
    void setKeyboardMark(int n) override { keyboardMark = isButton(n) ? n : 0; }

    void setColor(StripSettings::ColorTarget target, uint32_t value) override {
        colors[target] = value;
    }
    // The colour last given to a target; none yet: the strip's own face.
    std::optional<uint32_t> color(StripSettings::ColorTarget target) const {
        const auto it = colors.find(target);
        return it == colors.end() ? std::nullopt : std::optional<uint32_t>(it->second);
    }
    void setStayOnTop(bool on) override { stayOnTop = on; }

    void showOnlyTable(int t) override {
        if (t >= 1 && t <= buttonslots::TableCount)
            shownTable = t;
    }
    void setTableTop(int t, int top) override {
        if (t >= 1 && t <= buttonslots::TableCount)
            tableTops[t] = top;
    }

    QPoint stripPos() const override { return pos; }
    void moveStrip(QPoint topLeft) override { pos = topLeft; }
    QSize stripSize() const override { return size; }
    QSize stripFrameSize() const override { return size; }
    QRect stripPlaced() const override { return placing ? placedAt : QRect(pos, size); }
    // Answers the moves as a window manager would: `placing`, when set,
    // turns the place asked into the place given.
    void awaitPlace(QRect, std::function<void(QRect)> then) override {
        if (placing) {
            placedAt = placing(QRect(pos, size), unmanaged);
            pos = placedAt.topLeft();
        }
        if (beforeAnswer)
            beforeAnswer(); // an event the window's move brought, ahead of the answer
        then(stripPlaced());
    }
    void setStripNarrowed(bool on) override {
        narrowed = on;
        size = on ? QSize(11, 51) : QSize(622, 51);
    }
    bool stripNarrowed() const override { return narrowed; }
    void setStripUnmanaged() override { unmanaged = true; }
    bool stripUnmanaged() const override { return unmanaged; }

    void setHideBarRed(bool red) override { hideBarIsRed = red; }
    void setHideBarHint(const QString& hint) override { hideBarHint = hint; }

    QString cutText(int i) const { return i >= 1 && i <= 3 ? cuts[i - 1] : QString(); }
    void setCutText(int i, const QString& text) override {
        if (i >= 1 && i <= 3)
            cuts[i - 1] = text;
    }

private:
    static bool isButton(int n) { return n >= 1 && n <= buttonslots::ButtonCount; }
    QAction* item(const QString& text, bool checkable) {
        auto* a = new QAction(text, &actionOwner_);
        a->setCheckable(checkable);
        return a;
    }

    QObject actionOwner_;
    StripMenus menus_;
};

} // namespace testsupport
