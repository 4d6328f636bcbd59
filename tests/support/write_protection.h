#pragma once

#include <QFileInfo>

#include <sys/stat.h>
#include <unistd.h>

// Takes the write permission from a file or from its folder until it goes. Root writes
// whatever the permissions say, so a test run as root acts meanwhile as "nobody".
class WriteProtection {
public:
    enum Target { File, Folder };

    WriteProtection(const QString& file, Target target)
        : file_(file.toLocal8Bit()), folder_(QFileInfo(file).absolutePath().toLocal8Bit()) {
        chmod(file_, target == File ? 0444 : 0666);
        chmod(folder_, target == Folder ? 0555 : 0777);
        if (asRoot_ && (setegid(65534) || seteuid(65534))) qFatal("cannot act as nobody");
    }
    ~WriteProtection() {
        if (asRoot_ && (seteuid(0) || setegid(0))) qFatal("cannot act as root again");
        chmod(folder_, 0700);
        chmod(file_, 0600);
    }

private:
    const bool asRoot_ = geteuid() == 0;
    const QByteArray file_, folder_;
};
