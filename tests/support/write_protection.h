#pragma once

#include <QFileInfo>

#include <sys/stat.h>
#include <unistd.h>

// Takes the write permission from a file or from its folder until lift(). Root writes
// whatever the permissions say, so a test run as root acts meanwhile, and on, as "nobody".
class WriteProtection {
public:
    enum Target { File, Folder };

    WriteProtection(const QString& file, Target target)
        : file_(file.toLocal8Bit()), folder_(QFileInfo(file).absolutePath().toLocal8Bit()) {
        change(target == File ? 0444 : 0666, target == Folder ? 0555 : 0777, kNobody);
    }
    ~WriteProtection() { change(0666, 0777, 0); }
    // Gives the permission back, as the file's owner would.
    void lift() { change(0666, 0777, kNobody); }

private:
    static constexpr uid_t kNobody = 65534;
    // Sets the modes as root, when the test runs as root, and then acts as `user`.
    void change(mode_t file, mode_t folder, uid_t user) const {
        if (asRoot_ && (seteuid(0) || setegid(0))) qFatal("cannot act as root again");
        chmod(file_, file);
        chmod(folder_, folder);
        if (asRoot_ && (setegid(user) || seteuid(user))) qFatal("cannot act as user %u", user);
    }

    const bool asRoot_ = geteuid() == 0;
    const QByteArray file_, folder_;
};
