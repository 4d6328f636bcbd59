#pragma once

#include "app/dialog_window.h"
#include "sound/core/drives.h"

class AppContext;
class FolderScanner;
class QComboBox;
class QLabel;
class QListView;
class QStandardItemModel;

// The sound file chooser, sound0: drives, folders and the current folder's sound files.
// Made afresh for each Browse; closing it by End, by Escape or by its frame ends it.
class SoundChooser final : public DialogWindow {
    Q_OBJECT
public:
    explicit SoundChooser(AppContext& context);

Q_SIGNALS:
    // Select with a file: the folder and the file, joined.
    void chosen(const QString& path);
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void openDrive(int index);
    void openFolder(const QString& folder);
    void addFolders(const QStringList& names);
    void addFiles(const QStringList& names);
    void showProblem(const QString& reason);
    void select();

    AppContext& context_;
    const QList<Drive> drives_;
    QString folder_;       // the folder list's current folder
    int shownDrive_ = -1;  // the drive the folder list starts from
    QComboBox* driveList_;
    QListView* folderList_;
    QListView* fileList_;
    QStandardItemModel* folders_;
    QStandardItemModel* files_;
    FolderScanner* scanner_;
    QLabel* problem_;  // why the lists lack entries, when the scan says so
};
