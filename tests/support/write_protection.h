#pragma once

#include <QFileInfo>

#include <sys/stat.h>
#include <unistd.h>

// Takes the write permission from a file or from its folder until lift() or its end.
// Root writes whatever the permissions say, so a test run as root acts meanwhile, and
// until the end, as "nobody".
class WriteProtection {
public:
    enum Target { File, Folder };

    WriteProtection(const QString& file, Target target)
        : file_(file.toLocal8Bit()), folder_(QFileInfo(file).absolutePath().toLocal8Bit()) {
        chmod(file_, target == File ? 0444 : 0666);
        chmod(folder_, target == Folder ? 0555 : 0777);
        actAsRoot(false);
    }
    ~WriteProtection() {
        actAsRoot(true);
        chmod(folder_, 0700);
        chmod(file_, 0600);
    }
    // Gives the permission back, as the file's owner would.
    void lift() {
        actAsRoot(true);
        chmod(file_, 0666);
        chmod(folder_, 0777);
        actAsRoot(false);
    }

private:
    void actAsRoot(bool root) const {
        if (asRoot_ && (root ? seteuid(0) || setegid(0) : setegid(65534) || seteuid(65534)))
            qFatal("cannot change the acting user");
    }

    const bool asRoot_ = geteuid() == 0;
    const QByteArray file_, folder_;
};
