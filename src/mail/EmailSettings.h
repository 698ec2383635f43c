#pragma once
#include <QString>
#include <cstdint>
#include <optional>

class ControlFile;

// The account the e-mail window sends from, as the control file keeps it.
struct EmailSetup {
    QString host;
    QString userId;
    QString address;
    QString name;
};

// Every section, key and read limit the e-mail window uses, spelt once.
class EmailSettings {
public:
    explicit EmailSettings(ControlFile& file) : file_(file) {}

    EmailSetup read() const;
    // Host, UserID, EAddress, YourName, in that order.
    void write(const EmailSetup& setup);
    // The recipient override; empty unless it has more than two characters.
    QString docEmail() const;
    // The launcher strip's colour, when one is stored.
    std::optional<uint32_t> programColor() const;

private:
    ControlFile& file_;
};
