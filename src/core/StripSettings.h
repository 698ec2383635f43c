#pragma once
#include "core/ControlFile.h"

#include <QList>
#include <QPoint>
#include <QString>
#include <cstdint>
#include <optional>

// The launcher strip's settings in the control file, each section, key,
// read limit and test spelled once: hide mode, position, the colours by
// target, the window style, the table names and the start table. Read key
// by key at each call, written at once; nothing is cached. The program
// colour is what the tool windows take when they are shown. A value that
// must be a number or colour and is not raises ConversionError.
class StripSettings {
public:
    enum class ColorTarget { Buttons, Tables, Program };

    explicit StripSettings(ControlFile& file) : file_(file) {}

    bool hideMode() const;
    void setHideMode(bool on);

    // POS "Top" and "Left", each when non-empty.
    std::optional<int> top() const;
    std::optional<int> left() const;
    void setPosition(QPoint topLeft);

    // None when the colour is not set (the default, button face).
    std::optional<uint32_t> color(ColorTarget target) const;
    // The program colour, for the tool windows that take it on when shown.
    static std::optional<uint32_t> programColor(const ControlFile& file);
    // None restores the default (the empty string is written).
    void setColor(ColorTarget target, std::optional<uint32_t> value);

    bool stayOnTop() const;
    void setStayOnTop(bool on);

    // TABLENAME t (1..30) when non-empty.
    std::optional<QString> tableName(int table) const;
    void setTableName(int table, const QString& name);
    // The 30 empty table names a new control file starts with.
    static QList<ControlFile::Entry> emptyTableNames();

    // OPENWITH "Table" when non-empty.
    std::optional<int> startTable() const;
    void setStartTable(int table);

private:
    ControlFile& file_;
};
