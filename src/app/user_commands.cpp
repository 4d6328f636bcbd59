#include "user_commands.h"

#include "app_context.h"
#include "scores/core/score_schema.h"

namespace {

const QString kNoSuchUser =
    QStringLiteral("No such user in the database yet!  Please go to  Change User button to create");
const QString kUserExists = QStringLiteral(
    "User exists on the database, hit Addition/Subtraction or Multiplication/Division to Proceed");
const QString kOfferToCreate = QStringLiteral("No such user in the database yet!  Ok to create");
const QString kUserCreated =
    QStringLiteral("User Created, hit Addition/Subtraction or Multiplication/Division to Proceed");
const QString kRestoreWarning = QStringLiteral(
    "Do this only you have problem retrieving record or if you want to reset the record to "
    "original (empty database) one, AND THIS HAS TO BE DONE BEFORE RUNNING SCORING SUMMARY");
const QString kRestoreSure = QStringLiteral("Are you really sure? ");
const QString kRestored = QStringLiteral("Original Database restored!");

}  // namespace

UserCommands::UserCommands(AppContext& context, QObject* parent)
    : QObject(parent), context_(context) {}

void UserCommands::loadSettings(QWidget* window) {
    if (const auto problem = context_.settingsOwner.load().problem()) {
        context_.messages->inform(window,
                                  QStringLiteral("The settings file \"%1\" could not be read: %2.")
                                      .arg(SettingsFile::kFileName, *problem));
    }
}

bool UserCommands::requireCurrentUser(QWidget* window) {
    if (context_.users.exists(context_.settings.userName())) return true;
    context_.messages->inform(window, kNoSuchUser);
    return false;
}

void UserCommands::changeUser(QWidget* window, const QString& typedName) {
    if (const Result<void> named = UserFiles::checkName(typedName); !named) {
        context_.messages->inform(
            window, named.error() + QStringLiteral(" The current user stays as it was."));
        return;
    }
    StoredSettings changed = context_.settings.stored;
    changed.userName = typedName;
    if (const Result<void> saved = context_.settingsOwner.save(changed); !saved) {
        context_.messages->inform(
            window, QStringLiteral("The settings file \"%1\" could not be written: %2\n"
                                   "The current user stays as it was.")
                        .arg(SettingsFile::kFileName, saved.error()));
        return;
    }
    const QString& userName = context_.settings.userName();
    if (context_.users.exists(userName)) {
        context_.messages->inform(window, kUserExists);
    } else if (context_.messages->confirm(window, kOfferToCreate) &&
               makeUserDatabase(window, userName)) {
        context_.messages->inform(window, kUserCreated);
    }
}

void UserCommands::restoreDatabase(QWidget* window) {
    if (!context_.messages->confirm(window, kRestoreWarning)) return;
    if (!context_.messages->confirm(window, kRestoreSure)) return;
    if (makeUserDatabase(window, context_.settings.userName()))
        context_.messages->inform(window, kRestored);
}

bool UserCommands::makeUserDatabase(QWidget* window, const QString& userName) {
    const bool existed = context_.users.exists(userName);
    // A template that is no score database never replaces the user's records.
    const Result<void> made = context_.databases.replaceFile(
        context_.users.databasePath(userName),
        [&] { return context_.users.makeDatabase(userName, checkScoreDatabase); });
    if (made) return true;
    const QString failure = existed ? QStringLiteral("The database \"%1\" was not replaced: %2")
                                    : QStringLiteral("The database \"%1\" could not be made: %2");
    context_.messages->inform(window,
                              failure.arg(userName + UserFiles::kDatabaseSuffix, made.error()));
    return false;
}
