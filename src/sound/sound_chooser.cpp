#include "sound_chooser.h"

#include "app/app_context.h"
#include "app/named_button.h"
#include "sound/core/folder_path.h"
#include "sound/core/folder_scanner.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QStandardItemModel>
#include <QStyle>

namespace {

constexpr int kPathRole = Qt::UserRole;

QListView* makeList(const QString& name, const QString& spoken, QStandardItemModel* model,
                    QWidget* parent) {
    auto* list = new QListView(parent);
    list->setObjectName(name);
    list->setAccessibleName(spoken);
    list->setModel(model);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setUniformItemSizes(true);
    return list;
}

}  // namespace

SoundChooser::SoundChooser(AppContext& context)
    : DialogWindow(QStringLiteral("sound0"), tr("Sound File set up")),
      context_(context),
      drives_(machineDrives()),
      driveList_(new QComboBox(this)),
      folders_(new QStandardItemModel(this)),
      files_(new QStandardItemModel(this)),
      scanner_(new FolderScanner(this)),
      problem_(new QLabel(this)) {
    driveList_->setObjectName(QStringLiteral("Drive1"));
    driveList_->setAccessibleName(tr("Drive"));
    for (const Drive& drive : drives_) driveList_->addItem(drive.label, drive.path);
    folderList_ = makeList(QStringLiteral("Dir1"), tr("Folders"), folders_, this);
    fileList_ = makeList(QStringLiteral("File1"), tr("Sound files"), files_, this);
    problem_->setObjectName(QStringLiteral("problem"));
    problem_->setWordWrap(true);
    QPushButton* select = makeNamedButton(QStringLiteral("Command1"), tr("Select"), 30, this);
    //: A button that closes this window.
    QPushButton* end = makeNamedButton(QStringLiteral("Command2"), tr("End"), 30, this);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(14, 14, 14, 14);
    grid->setSpacing(10);
    grid->addWidget(driveList_, 0, 0);
    grid->addWidget(folderList_, 1, 0);
    grid->addWidget(fileList_, 2, 0);
    grid->addWidget(problem_, 3, 0);
    grid->addWidget(select, 0, 1, Qt::AlignTop);
    grid->addWidget(end, 2, 1, Qt::AlignBottom);
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(1, 1);
    grid->setRowStretch(2, 1);
    grid->setColumnMinimumWidth(1, 100);
    resize(560, 480);

    connect(driveList_, &QComboBox::activated, this, &SoundChooser::openDrive);
    connect(folderList_, &QListView::activated, this,
            [this](const QModelIndex& index) { openFolder(index.data(kPathRole).toString()); });
    connect(scanner_, &FolderScanner::foldersFound, this, &SoundChooser::addFolders);
    connect(scanner_, &FolderScanner::filesFound, this, &SoundChooser::addFiles);
    connect(scanner_, &FolderScanner::notListed, this, &SoundChooser::showProblem);
    connect(select, &QPushButton::clicked, this, &SoundChooser::select);
    connect(end, &QPushButton::clicked, this, &QWidget::close);

    openFolder(context_.dataFolder.absolutePath());
}

void SoundChooser::closeEvent(QCloseEvent* event) {
    event->accept();
    Q_EMIT closed();
}

// Picking the drive already shown keeps the folder open on it.
void SoundChooser::openDrive(int index) {
    if (index == shownDrive_) return;
    shownDrive_ = index;
    openFolder(drives_.value(index).path);
}

// The folder list shows the way down from the drive, open, then the folder's own
// subfolders once they are found; the file list follows. The drive stays while the
// folder lies on it, so that a home folder opened from the root keeps the way back up.
void SoundChooser::openFolder(const QString& folder) {
    if (folder.isEmpty()) return;
    folder_ = folder;
    if (shownDrive_ < 0 || !isWithinFolder(folder, drives_.value(shownDrive_).path)) {
        shownDrive_ = int(driveIndexOf(drives_, folder));
        driveList_->setCurrentIndex(shownDrive_);
    }
    const QStringList chain = folderChain(drives_.value(shownDrive_).path, folder);
    folders_->clear();
    files_->clear();
    showProblem(QString());
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    for (qsizetype depth = 0; depth < chain.size(); ++depth) {
        const QString name = depth == 0 ? chain[depth] : chain[depth].section(u'/', -1);
        auto* item = new QStandardItem(open, QString(int(depth) * 3, u' ') + name);
        item->setData(chain[depth], kPathRole);
        item->setData(name, Qt::AccessibleTextRole);
        folders_->appendRow(item);
    }
    folderList_->setCurrentIndex(folders_->index(int(chain.size()) - 1, 0));
    scanner_->scan(folder);
}

void SoundChooser::addFolders(const QStringList& names) {
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
    const QString indent(folders_->rowCount() * 3, u' ');
    QList<QStandardItem*> items;
    for (const QString& name : names) {
        auto* item = new QStandardItem(closed, indent + name);
        item->setData(joinFolderAndFile(folder_, name), kPathRole);
        item->setData(name, Qt::AccessibleTextRole);
        items.append(item);
    }
    folders_->invisibleRootItem()->appendRows(items);
}

void SoundChooser::addFiles(const QStringList& names) {
    QList<QStandardItem*> items;
    for (const QString& name : names) items.append(new QStandardItem(name));
    files_->invisibleRootItem()->appendRows(items);
}

// Said beside the lists rather than in a box: it explains what they lack.
void SoundChooser::showProblem(const QString& reason) {
    problem_->setText(reason);
    fileList_->setAccessibleDescription(reason);
}

// Only Select takes a file; a folder alone would be a sound path that plays nothing.
void SoundChooser::select() {
    const QModelIndexList selected = fileList_->selectionModel()->selectedIndexes();
    if (selected.isEmpty()) {
        context_.messages->inform(
            this, tr("Please pick a sound file in the file list, then press Select."));
        return;
    }
    Q_EMIT chosen(joinFolderAndFile(folder_, selected.first().data().toString()));
    close();
}
