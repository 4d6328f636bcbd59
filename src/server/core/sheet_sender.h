#pragma once

#include "class_config.h"

#include "app/core/database_connections.h"

#include <QDir>
#include <QSqlError>
#include <QString>

#include <optional>

class ServerConnection;
struct MarkedSheet;

// Sends to the class server every sheet of every user's database in the data folder
// that the server has not yet taken, each with its answers, the child's name and the
// computer's. A sheet is marked sent in the child's database only after the server
// has committed it; a resend after a kill between the two is absorbed by the server,
// which keeps the first copy of an identifier. Each call works on the thread that
// makes it, with connections of its own, and ends early once that thread is asked to
// stop.
class SheetSender {
public:
    SheetSender(ClassConfig config, QDir dataFolder, QString computer);

    struct Round {
        int sent = 0;
        // Why sheets still wait; empty when none does.
        QString problem;
    };
    Round sendAll();

private:
    // Sends one user's sheets over `server`, opened at the first sheet. False when the
    // server is out of reach, with the reason in `round`.
    bool sendUser(const QString& databasePath, std::optional<ServerConnection>& server,
                  Round& round);
    QSqlError submit(const ServerConnection& server, const QString& child,
                     const MarkedSheet& sheet) const;

    ClassConfig config_;
    QDir dataFolder_;
    QString computer_;
    DatabaseConnections connections_;
};
