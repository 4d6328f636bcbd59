#include "user_commands.h"

#include "app_context.h"
#include "scores/core/score_schema.h"

namespace {

const char* const kNoSuchUser = QT_TRANSLATE_NOOP(
    "UserCommands",
    "No such user in the database yet!  Please go to  Change User button to create");
const char* const kUserExists = QT_TRANSLATE_NOOP(
    "UserCommands",
    "User exists on the database, hit Addition/Subtraction or Multiplication/Division to Proceed");
const char* const kOfferToCreate =
    QT_TRANSLATE_NOOP("UserCommands", "No such user in the database yet!  Ok to create");
const char* const kUserCreated = QT_TRANSLATE_NOOP(
    "UserCommands", "User Created, hit Addition/Subtraction or Multiplication/Division to Proceed");
const char* const kRestoreWarning = QT_TRANSLATE_NOOP(
    "UserCommands",
    "Do this only you have problem retrieving record or if you want to reset the record to "
    "original (empty database) one, AND THIS HAS TO BE DONE BEFORE RUNNING SCORING SUMMARY");
const char* const kRestoreSure = QT_TRANSLATE_NOOP("UserCommands", "Are you really sure? ");
const char* const kRestored = QT_TRANSLATE_NOOP("UserCommands", "Original Database restored!");

}  // namespace

UserCommands::UserCommands(AppContext& context, QObject* parent)
    : QObject(parent), context_(context) {}

void UserCommands::loadSettings(QWidget* window) {
    if (const auto problem = context_.settingsOwner.load().problem()) {
        context_.messages->inform(window, tr("The settings file \"%1\" could not be read: %2.")
                                              .arg(SettingsFile::kFileName, *problem));
    }
}

bool UserCommands::requireCurrentUser(QWidget* window) {
    if (context_.users.exists(context_.settings.userName())) return true;
    context_.messages->inform(window, tr(kNoSuchUser));
    return false;
}

void UserCommands::changeUser(QWidget* window, const QString& typedName) {
    if (const Result<void> named = UserFiles::checkName(typedName); !named) {
        context_.messages->inform(window, named.error() + tr(" The current user stays as it was."));
        return;
    }
    StoredSettings changed = context_.settings.stored;
    changed.userName = typedName;
    if (const Result<void> saved = context_.settingsOwner.save(changed); !saved) {
        context_.messages->inform(window, tr("The settings file \"%1\" could not be written: %2\n"
                                             "The current user stays as it was.")
                                              .arg(SettingsFile::kFileName, saved.error()));
        return;
    }
    const QString& userName = context_.settings.userName();
    if (context_.users.exists(userName)) {
        context_.messages->inform(window, tr(kUserExists));
    } else if (context_.messages->confirm(window, tr(kOfferToCreate)) &&
               makeUserDatabase(window, userName)) {
        context_.messages->inform(window, tr(kUserCreated));
    }
}

void UserCommands::restoreDatabase(QWidget* window) {
    if (!context_.messages->confirm(window, tr(kRestoreWarning))) return;
    if (!context_.messages->confirm(window, tr(kRestoreSure))) return;
    if (makeUserDatabase(window, context_.settings.userName()))
        context_.messages->inform(window, tr(kRestored));
}

bool UserCommands::makeUserDatabase(QWidget* window, const QString& userName) {
    const bool existed = context_.users.exists(userName);
    // A template that is no score database never replaces the user's records.
    const Result<void> made = context_.databases.replaceFile(
        context_.users.databasePath(userName),
        [&] { return context_.users.makeDatabase(userName, checkScoreDatabase); });
    if (made) return true;
    const QString failure = existed ? tr("The database \"%1\" was not replaced: %2")
                                    : tr("The database \"%1\" could not be made: %2");
    context_.messages->inform(window,
                              failure.arg(userName + UserFiles::kDatabaseSuffix, made.error()));
    return false;
}
