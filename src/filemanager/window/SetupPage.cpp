#include "filemanager/window/SetupPage.h"

#include "context/Prompts.h"
#include "core/ColorText.h"
#include "filemanager/FilterList.h"
#include "filemanager/PathnookSettings.h"
#include "ui/ActionGuard.h"
#include "ui/Captions.h"
#include "ui/DrawnArt.h"
#include "ui/HintRouter.h"
#include "ui/SystemColors.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QVBoxLayout>

namespace {
// The strings the user sees, translated under this name.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(SetupPage)
};

// Standard, extended and system colours, in the colour box's order.
const uint32_t kColors[] = {
    0x00000000, 0x00000080, 0x00008000, 0x00008080, 0x00800000, 0x00800080, 0x00808000, 0x00808080,
    0x00C0C0C0, 0x000000FF, 0x0000FF00, 0x0000FFFF, 0x00FF0000, 0x00FF00FF, 0x00FFFF00, 0x00FFFFFF,
    0x00C0DCC0, 0x00F0CAA6, 0x00F0FBFF, 0x00A4A0A0, 0x80000000, 0x80000001, 0x80000002, 0x80000003,
    0x80000004, 0x80000005, 0x80000006, 0x80000007, 0x80000008, 0x80000009, 0x8000000A, 0x8000000B,
    0x8000000C, 0x8000000D, 0x8000000E, 0x8000000F, 0x80000010, 0x80000011, 0x80000012, 0x80000013,
    0x80000014, 0x80000015, 0x80000016, 0x80000017, 0x80000018,
};

QString readableName(uint32_t value) {
    QString name;
    if (!colortext::lookupValue(value, &name))
        return colortext::encode(value);
    if (name.startsWith(QLatin1String("cl")))
        name.remove(0, 2);
    static const QRegularExpression capital(QStringLiteral("(?<=[a-z])(?=[A-Z])"));
    return name.replace(capital, QStringLiteral(" "));
}

QIcon swatch(uint32_t value, const QPalette& palette) {
    QPixmap pm(16, 16);
    pm.fill(systemcolors::resolve(value, palette));
    QPainter(&pm).drawRect(0, 0, 15, 15);
    return QIcon(pm);
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption,
                    const QString& hint) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    hints::set(b, hint);
    return b;
}

// A help box on the tooltip colour: a title between two pictures, then the text.
QFrame* helpBox(QWidget* parent, const char* name, const QString& title, const QString& text) {
    auto* box = new QFrame(parent);
    box->setObjectName(QLatin1String(name));
    box->setFrameShape(QFrame::Box);
    box->setAutoFillBackground(true);
    QPalette pal = box->palette();
    pal.setColor(QPalette::Window, pal.color(QPalette::ToolTipBase));
    pal.setColor(QPalette::WindowText, pal.color(QPalette::ToolTipText));
    box->setPalette(pal);
    auto* v = new QVBoxLayout(box);
    auto* head = new QHBoxLayout;
    head->addWidget(new drawnart::ArtView(drawnart::Art::FolderTree, box));
    auto* t = new QLabel(title, box);
    QFont f = t->font();
    f.setBold(true);
    t->setFont(f);
    head->addWidget(t, 1, Qt::AlignCenter);
    head->addWidget(new drawnart::ArtView(drawnart::Art::DocumentFile, box));
    v->addLayout(head);
    auto* body = new QLabel(text, box);
    body->setObjectName(QLatin1String(name) + QStringLiteral("Text"));
    body->setWordWrap(true);
    v->addWidget(body);
    box->hide();
    return box;
}

const char* const kFilterHelp = QT_TRANSLATE_NOOP(
    "SetupPage", "\n Add File Filter Help\n\n To add a Single File Filter:\n   Text files "
                 "(*.txt)|*.txt\n\n To add Multiple File Filters:\n   Text files "
                 "(*.txt;*.rtf;*.doc)|*.txt;*.rtf;*.doc\n   You add ; at the end of the filters.");
const char* const kRegistryHelp = QT_TRANSLATE_NOOP(
    "SetupPage",
    "\n Registry Box Selection Help\n\n Save Setup in Registry:\n   Pathnook keeps its colour, "
    "file mask and file filters in your\n   own settings store, apart from the program's INI "
    "file.\n\n Save Setup in (*.INI) File:\n   Pathnook keeps them in the program's INI file, "
    "section [PATHNOOK],\n   copies the values it finds in the registry there, and offers to\n   "
    "remove them from the registry.");

} // namespace

SetupPage::SetupPage(PathnookSettings& settings, Prompts& prompts, SetupHost& host, QWidget* parent)
    : QWidget(parent), settings_(settings), prompts_(prompts), host_(host),
      filterList_(filterlist::designList()) {
    setObjectName(QStringLiteral("Panel2"));
    hints::set(this, Text::tr("Right Click for Menu"));
    build();
    setFilterList(filterList_);
}

void SetupPage::guarded(const std::function<void()>& body) {
    actionguard::run(prompts_, window(), body);
}

void SetupPage::build() {
    auto* grid = new QGridLayout(this);

    auto* colorCaption = new QLabel(Text::tr("Select Program Color"), this);
    colorCaption->setCursor(Qt::WhatsThisCursor);
    hints::set(colorCaption, Text::tr("Select the program's background color"));
    colorBox_ = new QComboBox(this);
    colorBox_->setObjectName(QStringLiteral("ColorBox1"));
    for (uint32_t c : kColors)
        colorBox_->addItem(swatch(c, palette()), readableName(c), QVariant::fromValue(c));
    colorBox_->addItem(Text::tr("Custom..."));
    // The box does not show the stored colour when the page opens.
    colorBox_->setCurrentIndex(-1);
    captions::tie(colorCaption, colorBox_);
    grid->addWidget(colorCaption, 0, 0);
    grid->addWidget(colorBox_, 1, 0);

    auto* defaultCaption = new QLabel(Text::tr("Set Default Color"), this);
    hints::set(defaultCaption, Text::tr("Set the program's default background color"));
    auto* defaultButton = button(this, "DefaultColorButton", Text::tr("Default Color"),
                                 Text::tr("Set the default color"));
    grid->addWidget(defaultCaption, 0, 1);
    grid->addWidget(defaultButton, 1, 1);

    auto* filterCaption = new QLabel(Text::tr("Select File Filter"), this);
    hints::set(filterCaption, Text::tr("Select File Filter for the File List Box"));
    filterBox_ = new QComboBox(this);
    filterBox_->setObjectName(QStringLiteral("FilterComboBox1"));
    hints::set(filterBox_, Text::tr("Select a file filter"));
    captions::tie(filterCaption, filterBox_);
    grid->addWidget(filterCaption, 2, 0);
    grid->addWidget(filterBox_, 3, 0);

    auto* add = new QGroupBox(Text::tr("Add File Filter"), this);
    add->setObjectName(QStringLiteral("AddFilterBox"));
    auto* addGrid = new QGridLayout(add);
    edit3_ = new QLineEdit(Text::tr("Text files (*.txt)|*.txt"), add);
    edit3_->setObjectName(QStringLiteral("Edit3"));
    addGrid->addWidget(captions::make(Text::tr("Filter Name, Filter"), edit3_, add), 0, 0);
    addGrid->addWidget(edit3_, 1, 0, 1, 3);
    addGrid->addWidget(new QLabel(Text::tr("Example"), add), 2, 0);
    auto* example = new QLabel(Text::tr(" Text files (*.txt)|*.txt "), add);
    example->setStyleSheet(QStringLiteral("background: white; color: black"));
    addGrid->addWidget(example, 2, 1, 1, 2);
    auto* addButton =
        button(add, "AddFilterButton", Text::tr("Add Filter"), Text::tr("Add the new Filter "));
    auto* filterHelpButton =
        button(add, "FilterHelpButton", QStringLiteral("?"), Text::tr("Open/Close Help Window"));
    auto* removeButton = button(add, "RemoveFilterButton", Text::tr("Remove File Filter"),
                                Text::tr("Remove a File Filter"));
    addGrid->addWidget(addButton, 3, 0);
    addGrid->addWidget(filterHelpButton, 3, 1);
    addGrid->addWidget(removeButton, 3, 2);
    grid->addWidget(add, 4, 0);

    removal_ = new QWidget(this);
    removal_->setObjectName(QStringLiteral("RemovalPanel"));
    auto* rv = new QGridLayout(removal_);
    edit4_ = new QLineEdit(removal_);
    rv->addWidget(captions::make(Text::tr("Remove the Filter you do not want:"), edit4_, removal_),
                  0, 0, 1, 2);
    edit4_->setObjectName(QStringLiteral("Edit4"));
    edit4_->setMaxLength(32767);
    rv->addWidget(edit4_, 1, 0, 1, 2);
    rv->addWidget(new QLabel(Text::tr("EXAMPLE: |Text files (*.txt)|*.txt Do NOT leave "
                                      "spaces"),
                             removal_),
                  2, 0, 1, 2);
    rv->addWidget(new QLabel(Text::tr("The first filter does not have | in front of it"), removal_),
                  3, 0, 1, 2);
    auto* save = button(removal_, "SaveChangesButton", Text::tr("Save Changes"),
                        Text::tr("Save the changes you made"));
    auto* cancel = button(removal_, "CancelRemoveButton", Text::tr("Cancel"),
                          Text::tr("Cancel (Close Remove Filter Setup)"));
    rv->addWidget(save, 4, 0);
    rv->addWidget(cancel, 4, 1);
    removal_->hide();
    grid->addWidget(removal_, 5, 0, 1, 2);

    auto* store = new QGroupBox(Text::tr("Registry Box Selection"), this);
    store->setObjectName(QStringLiteral("RegistryBox"));
    auto* sv = new QVBoxLayout(store);
    registryRadio_ = new QRadioButton(Text::tr("Save Setup in Registry"), store);
    registryRadio_->setObjectName(QStringLiteral("RegistryRadio"));
    iniRadio_ = new QRadioButton(Text::tr("Save Setup in (*.INI) File"), store);
    iniRadio_->setObjectName(QStringLiteral("IniRadio"));
    auto* registryHelpButton = button(store, "RegistryHelpButton", Text::tr("Help"),
                                      Text::tr("Open/Close Registry Box Selection Help"));
    sv->addWidget(registryRadio_);
    sv->addWidget(iniRadio_);
    sv->addWidget(registryHelpButton);
    grid->addWidget(store, 2, 1, 3, 1);

    auto* close =
        button(this, "CloseSetupButton", Text::tr("Close"), Text::tr("Close this window"));
    grid->addWidget(close, 6, 1);

    filterHelp_ =
        helpBox(this, "FilterHelpBox", Text::tr("Add File Filter Help"), Text::tr(kFilterHelp));
    registryHelp_ = helpBox(this, "RegistryHelpBox", Text::tr("Registry Box Selection Help"),
                            Text::tr(kRegistryHelp));
    grid->addWidget(filterHelp_, 0, 2, 7, 1);
    grid->addWidget(registryHelp_, 0, 3, 7, 1);
    grid->setRowStretch(7, 1);

    connect(colorBox_, &QComboBox::activated, this,
            [this](int i) { guarded([this, i] { ColorBox1Change(i); }); });
    connect(filterBox_, &QComboBox::activated, this,
            [this](int i) { guarded([this, i] { FilterComboBox1Change(i); }); });
    auto wire = [this](QPushButton* b, void (SetupPage::*handler)()) {
        connect(b, &QPushButton::clicked, this,
                [this, handler] { guarded([this, handler] { (this->*handler)(); }); });
    };
    wire(defaultButton, &SetupPage::DefaultColorClick);
    wire(addButton, &SetupPage::AddFilterClick);
    wire(removeButton, &SetupPage::RemoveFilterClick);
    wire(save, &SetupPage::SaveChangesClick);
    wire(cancel, &SetupPage::CancelRemoveClick);
    connect(filterHelpButton, &QPushButton::clicked, this,
            [this] { filterHelp_->setVisible(!filterHelp_->isVisible()); });
    connect(registryHelpButton, &QPushButton::clicked, this,
            [this] { registryHelp_->setVisible(!registryHelp_->isVisible()); });
    connect(close, &QPushButton::clicked, this,
            [this] { guarded([this] { host_.closeSetup(); }); });
    // A press, not a click: pressing the button already selected switches again.
    connect(iniRadio_, &QRadioButton::pressed, this,
            [this] { guarded([this] { IniRadioPress(); }); });
    connect(registryRadio_, &QRadioButton::pressed, this,
            [this] { guarded([this] { RegistryRadioPress(); }); });
}

void SetupPage::showMode() {
    const bool ini = settings_.mode() == PathnookSettings::Mode::Ini;
    iniRadio_->setChecked(ini);
    registryRadio_->setChecked(!ini);
}

void SetupPage::loadSettings() {
    settings_.readMode();
    showMode();
    const PathnookSettings::Values v = settings_.read();
    if (const auto& c = v.value[PathnookSettings::BackColor])
        host_.applyColor(colortext::decode(*c));
    if (const auto& m = v.value[PathnookSettings::FileMask])
        host_.applyMask(*m);
    if (const auto& f = v.value[PathnookSettings::FileFilter])
        setFilterList(*f);
}

void SetupPage::setFilterList(const QString& list) {
    filterList_ = list;
    filterBox_->clear();
    for (const filterlist::Filter& f : filterlist::parse(list))
        filterBox_->addItem(f.name, f.mask);
    filterBox_->setCurrentIndex(filterBox_->count() > 0 ? 0 : -1);
}

void SetupPage::hideRemoval() {
    removal_->hide();
}

void SetupPage::ColorBox1Change(int index) {
    uint32_t value = 0;
    if (index == colorBox_->count() - 1) {
        const auto chosen = prompts_.color(window(), palette().color(QPalette::Window));
        if (!chosen)
            return;
        value = uint32_t(chosen->red()) | uint32_t(chosen->green()) << 8 |
                uint32_t(chosen->blue()) << 16;
    } else if (index >= 0) {
        value = colorBox_->itemData(index).toUInt();
    } else {
        return;
    }
    host_.applyColor(value);
    settings_.write(PathnookSettings::BackColor, colortext::encode(value));
}

void SetupPage::DefaultColorClick() {
    if (!prompts_.confirm(window(), Text::tr("Are you sure you want to set the program's default "
                                             "color?")))
        return;
    host_.applyColor(colortext::BtnFace);
    settings_.clearColor();
}

void SetupPage::FilterComboBox1Change(int index) {
    QString mask = QStringLiteral("*.*");
    if (filterBox_->count() > 0) {
        if (index < 0 || index >= filterBox_->count()) {
            index = filterBox_->count() - 1;
            filterBox_->setCurrentIndex(index);
        }
        mask = filterBox_->itemData(index).toString();
    }
    host_.applyMask(mask);
    settings_.write(PathnookSettings::FileMask, mask);
    prompts_.notice(window(),
                    Text::tr("The Filter Mask for the File List Box was changed to: ") + mask);
}

void SetupPage::AddFilterClick() {
    if (!prompts_.confirm(window(), Text::tr("Are you sure you want to Add this Filter?")))
        return;
    const QString entry = edit3_->text();
    setFilterList(filterlist::append(filterList_, entry));
    settings_.write(PathnookSettings::FileFilter, filterList_);
    prompts_.notice(window(), Text::tr("The Filter ") + entry + Text::tr(" was added."));
}

void SetupPage::RemoveFilterClick() {
    edit4_->setText(filterList_);
    removal_->show();
}

void SetupPage::SaveChangesClick() {
    if (!prompts_.confirm(window(), Text::tr("Are you sure you want to Save the changes?")))
        return;
    setFilterList(edit4_->text());
    settings_.write(PathnookSettings::FileFilter, filterList_);
    prompts_.notice(window(), Text::tr("The Filter changes were saved."));
}

void SetupPage::CancelRemoveClick() {
    removal_->hide();
}

void SetupPage::IniRadioPress() {
    iniRadio_->setChecked(true);
    settings_.switchToIni(prompts_, window());
}

void SetupPage::RegistryRadioPress() {
    registryRadio_->setChecked(true);
    settings_.switchToRegistry(prompts_, window());
}
