#include "strip/window/LaunchOptionsWindow.h"

#include "context/Prompts.h"
#include "ui/ActionGuard.h"
#include "ui/Captions.h"
#include "ui/HintRouter.h"
#include "ui/ToolWindow.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

LaunchOptionsWindow::LaunchOptionsWindow(const QString& target, const LaunchOptions& current,
                                         Prompts& prompts, Save save, QWidget* parent)
    : QDialog(parent), target_(target), prompts_(prompts), save_(std::move(save)) {
    toolwindow::setUp(this, QStringLiteral("LaunchOptions"), tr("Launch Options"), QSize(480, 180),
                      toolwindow::Border::Dialog);
    auto* layout = new QVBoxLayout(this);
    auto* program = new QLabel(QFileInfo(target).fileName(), this);
    program->setObjectName(QStringLiteral("ProgramName"));
    program->setToolTip(target);
    layout->addWidget(program);

    auto* form = new QFormLayout;
    arguments_ = new QLineEdit(current.arguments, this);
    arguments_->setObjectName(QStringLiteral("ArgumentsEdit"));
    hints::set(arguments_, tr("Split at blanks; quotes keep blanks in one argument"));
    form->addRow(captions::make(tr("&Arguments:"), arguments_, this), arguments_);
    folder_ = new QLineEdit(current.workingDir, this);
    folder_->setObjectName(QStringLiteral("FolderEdit"));
    hints::set(folder_, tr("Empty: the program's own folder"));
    auto* browse = new QPushButton(tr("&Browse..."), this);
    browse->setObjectName(QStringLiteral("FolderBrowse"));
    browse->setAccessibleName(tr("Choose the working folder"));
    browse->setAutoDefault(false); // Return keeps meaning OK
    connect(browse, &QPushButton::clicked, this,
            actionguard::guarded(prompts_, this, [this] { chooseFolder(); }));
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(folder_);
    folderRow->addWidget(browse);
    form->addRow(captions::make(tr("Working &folder:"), folder_, this), folderRow);
    terminal_ = new QCheckBox(tr("Run in a &terminal"), this);
    terminal_->setObjectName(QStringLiteral("TerminalCheck"));
    terminal_->setChecked(current.terminal);
    form->addRow(QString(), terminal_);
    layout->addLayout(form);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("Buttons"));
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OkButton"));
    buttons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("CancelButton"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this,
            actionguard::guarded(prompts_, this, [this] { accept(); }));
    connect(buttons, &QDialogButtonBox::rejected, this,
            actionguard::guarded(prompts_, this, [this] { reject(); }));
    layout->addWidget(buttons);
    // Room for the longer German captions: the laid-out size, at least the
    // design size.
    setFixedSize(sizeHint().expandedTo(QSize(480, 180)));
    arguments_->setFocus();
}

LaunchOptions LaunchOptionsWindow::shown() const {
    return {arguments_->text(), folder_->text().trimmed(), terminal_->isChecked()};
}

void LaunchOptionsWindow::chooseFolder() {
    Prompts::FileDialog dialog;
    dialog.kind = Prompts::FileDialog::Folder;
    dialog.title = tr("Working Folder");
    const QString typed = folder_->text().trimmed();
    dialog.folder =
        !typed.isEmpty() && QFileInfo(typed).isDir() ? typed : QFileInfo(target_).absolutePath();
    if (const auto chosen = prompts_.file(this, dialog))
        folder_->setText(*chosen);
}

void LaunchOptionsWindow::accept() {
    if (const auto refused = save_(shown())) {
        prompts_.notice(this, *refused);
        return;
    }
    QDialog::accept();
}
