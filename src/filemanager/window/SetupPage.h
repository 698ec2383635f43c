#pragma once
#include <QString>
#include <QWidget>
#include <cstdint>

class PathnookSettings;
class Prompts;
class QComboBox;
class QLineEdit;
class QRadioButton;

// What the settings page needs of its window.
class SetupHost {
public:
    virtual ~SetupHost() = default;
    // The window's background: a colour value of core/ColorText.
    virtual void applyColor(uint32_t value) = 0;
    // A new current mask; the file list shows it at once.
    virtual void applyMask(const QString& mask) = 0;
    // The page's Close: back to the browse page.
    virtual void closeSetup() = 0;
};

// The file manager's settings page (Panel2): colour, filters and where the
// settings are kept.
class SetupPage : public QWidget {
    Q_OBJECT
public:
    SetupPage(PathnookSettings& settings, Prompts& prompts, SetupHost& host,
              QWidget* parent = nullptr);

    // Each showing of the window: the mode, then colour, mask and filter
    // list in that order (a bad colour stops the rest with an error).
    void loadSettings();
    // Creation reads the mode only.
    void showMode();
    void hideRemoval();

    const QString& filterList() const { return filterList_; }
    QLineEdit* edit3() const { return edit3_; }
    QLineEdit* edit4() const { return edit4_; }

    // Handlers, public so tests drive them as the controls do.
    void ColorBox1Change(int index);
    void DefaultColorClick();
    void FilterComboBox1Change(int index);
    void AddFilterClick();
    void RemoveFilterClick();
    void SaveChangesClick();
    void CancelRemoveClick();
    void IniRadioPress();
    void RegistryRadioPress();

private:
    void build();
    void setFilterList(const QString& list);
    void guarded(const std::function<void()>& body);

    PathnookSettings& settings_;
    Prompts& prompts_;
    SetupHost& host_;
    QString filterList_;
    QComboBox* colorBox_ = nullptr;
    QComboBox* filterBox_ = nullptr;
    QLineEdit* edit3_ = nullptr;
    QLineEdit* edit4_ = nullptr;
    QWidget* removal_ = nullptr;
    QWidget* filterHelp_ = nullptr;
    QWidget* registryHelp_ = nullptr;
    QRadioButton* registryRadio_ = nullptr;
    QRadioButton* iniRadio_ = nullptr;
};
