#pragma once
#include <QAbstractNativeEventFilter>
#include <QObject>
#include <cstdint>
#include <vector>

// A key held for this program on the whole X display: pressed in any
// window, it comes here. Taken from the X server on the root window with
// the variants Num Lock and Caps Lock make, so either lock state works.
class KeyGrab : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT
public:
    // X modifier bits a shortcut may hold: Shift, Control, Alt (Mod1), Super (Mod4).
    static constexpr uint16_t Modifiers = 0x1 | 0x4 | 0x8 | 0x40;

    enum class Result {
        Grabbed,
        Taken,   // another program holds these keys
        NoKey,   // no key of this keyboard makes the symbol
        NoServer // not on an X display
    };

    explicit KeyGrab(QObject* parent = nullptr);
    ~KeyGrab() override;

    // The keys' symbol and X modifiers; a grab held before goes once the new
    // one is had (it stays when the new one is refused).
    Result grab(uint32_t keysym, uint16_t modifiers);
    void release();
    bool held() const { return !codes_.empty(); }

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr* result) override;

signals:
    // The keys were pressed; time is the X server's time of the press.
    void pressed(uint32_t time);

private:
    // Every key code of the keyboard that makes the symbol.
    std::vector<uint8_t> codesFor(uint32_t keysym) const;
    void ungrab(const std::vector<uint8_t>& codes, uint16_t modifiers);

    std::vector<uint8_t> codes_;
    uint16_t modifiers_ = 0;
    bool filtering_ = false;
};
