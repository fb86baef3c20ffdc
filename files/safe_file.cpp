#include "files/safe_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>
#include <cerrno>
#include <cstdio>
#include <cstring>
#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "core/errors.h"

namespace tarvik {

QString TargetProblem(const QString& path, bool& readOnly) {
    readOnly = false;
    const QFileInfo info(path);
    // A save would write the file a link names, wherever it is: a link in
    // a shared folder to a system file would have that file replaced.
    if (info.isSymbolicLink())
        return QCoreApplication::translate("SafeFile", "it is a symbolic link to '%1': choose that file itself, or another name")
            .arg(info.symLinkTarget());
    if (!info.exists()) return {};
    if (info.isDir()) return QCoreApplication::translate("SafeFile", "it is a folder");
    // Devices, FIFOs and sockets: not regular files, whether named directly
    // or through a link.
    if (!info.isFile()) return QCoreApplication::translate("SafeFile", "it is not a regular file (a device, a pipe or a socket)");
    // By its mode, not by access(): root may write anything, and a file its
    // owner marked read-only stays so for root too.
    const auto writeBits = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    readOnly = !info.isWritable() || !(info.permissions() & writeBits);
    return {};
}

namespace {

// Some file systems (NFS, some FUSE ones) report a lost write only when the
// data reaches the disk. Empty when synced, or when the file system cannot
// sync at all.
QString SyncToDisk(QFileDevice& file) {
#ifdef Q_OS_UNIX
    if (::fsync(file.handle()) != 0 && errno != EINVAL && errno != EROFS && errno != ENOTSUP)
        return QString::fromLocal8Bit(std::strerror(errno));
#else
    Q_UNUSED(file);
#endif
    return {};
}

#ifdef Q_OS_UNIX
// A temporary file beside the target, written, flushed and synced, each
// step checked, then renamed over the path itself: rename(2) replaces what
// stands at the path, never a link's target, so a link made there while
// the file is written is replaced, not written through. The new file takes
// the old one's mode, owner and group (only root can give a file away;
// anyone else saving over another's file is refused beforehand, as the
// save would take the file from its owner).
void WriteAndRename(const QString& path, const std::function<bool(QIODevice&)>& produce,
                    const std::function<void(const QString&)>& fail) {
    const QByteArray name = QFile::encodeName(path);
    struct stat old {};
    const bool existed = ::lstat(name.constData(), &old) == 0;
    if (existed && old.st_uid != ::geteuid() && ::geteuid() != 0)
        fail(QCoreApplication::translate("SafeFile", "it belongs to another user, and a new file would be yours"));
    mode_t mode = 0;
    if (existed) {
        mode = old.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    const QFileInfo where(path);
    QTemporaryFile file(where.dir().filePath("." + where.fileName() + ".XXXXXX"));
    const auto systemError = [] { return QString::fromLocal8Bit(std::strerror(errno)); };
    if (!file.open()) fail(file.errorString());
    const auto abandon = [&](const QString& reason) {
        fail(reason.isEmpty() || reason == "Unknown error" || reason == QIODevice::tr("Unknown error")
                 ? QCoreApplication::translate("SafeFile", "the data could not be written")
                 : reason);
    };
    if (!produce(file) || file.error() != QFileDevice::NoError) abandon(file.errorString());
    if (!file.flush()) abandon(file.errorString());
    if (const QString reason = SyncToDisk(file); !reason.isEmpty()) abandon(reason);
    // Another's file keeps its owner (root alone gets here); a group the
    // user is not in cannot be given, and the file keeps the user's own.
    if (existed && old.st_uid != ::geteuid() && ::fchown(file.handle(), old.st_uid, old.st_gid) != 0) abandon(systemError());
    if (existed && old.st_gid != ::getegid()) (void)::fchown(file.handle(), uid_t(-1), old.st_gid);
    if (::fchmod(file.handle(), mode) != 0) abandon(systemError());
    if (std::rename(QFile::encodeName(file.fileName()).constData(), name.constData()) != 0) abandon(systemError());
    file.setAutoRemove(false);
}
#endif

}  // namespace

bool WriteAll(QIODevice& device, const QByteArray& bytes) {
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 n = device.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0) return false;
        done += n;
    }
    return true;
}

void WriteFileWhole(const QString& path, const QString& what, ReadOnlyTarget readOnlyPolicy,
                    const std::function<bool(QIODevice&)>& produce) {
    auto fail = [&](const QString& reason) {
        throw Exception(
            QCoreApplication::translate("SafeFile", "Cannot save %1 to '%2': %3").arg(what, path, reason).toStdString());
    };
    bool readOnly = false;
    const QString problem = TargetProblem(path, readOnly);
    if (!problem.isEmpty()) fail(problem);
    if (readOnly && readOnlyPolicy == ReadOnlyTarget::Refuse) fail(QCoreApplication::translate("SafeFile", "the file is read-only"));
#ifdef Q_OS_UNIX
    WriteAndRename(path, produce, fail);
    return;
#endif
    const QFileInfo before(path);
    const bool existed = before.exists();
    // The owner, group and other bits alone: Qt's "user" flags say what this
    // process may do (root: anything), and setPermissions() would write
    // them into the owner's bits, making a 0444 file 0644.
    const auto userFlags = QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser;
    const QFileDevice::Permissions permissions =
        existed ? before.permissions() & ~userFlags : QFileDevice::Permissions();

    // QSaveFile refuses an existing file it cannot write: with the user's
    // say-so, the owner's write bit is lent for the save and the file's own
    // permissions come back after the rename (or on failure).
    const bool lend = readOnly && readOnlyPolicy == ReadOnlyTarget::Replace;
    if (lend && !QFile::setPermissions(path, permissions | QFileDevice::WriteOwner))
        fail(QCoreApplication::translate("SafeFile", "the file is read-only and its permissions cannot be changed"));
    struct Restore {
        const QString& path;
        QFileDevice::Permissions permissions;
        bool active;
        ~Restore() {
            if (active) QFile::setPermissions(path, permissions);
        }
    } restore{path, permissions, lend};

    // QSaveFile writes beside the target (through a link, beside the file it
    // names) and renames on commit.
    //
    // Qt 6.4's QSaveFile::commit() flushes its write buffer in close() and
    // ignores a failure there: on a full disk the tail of the file is lost,
    // yet the truncated file is renamed over the target and commit() says
    // true (a 28,955-byte SVG on a 16 KiB tmpfs became a 16,384-byte file,
    // reported saved). So the file is written unbuffered, flushed and synced
    // here, each step checked, and commit() only renames.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) fail(file.errorString());
    const auto abandon = [&](const QString& reason) {
        file.cancelWriting();
        fail(reason.isEmpty() || reason == "Unknown error" || reason == QIODevice::tr("Unknown error") ? QCoreApplication::translate("SafeFile", "the data could not be written") : reason);
    };
    if (!produce(file) || file.error() != QFileDevice::NoError) abandon(file.errorString());
    if (!file.flush()) abandon(file.errorString());
    if (const QString reason = SyncToDisk(file); !reason.isEmpty()) abandon(reason);
    if (!file.commit()) fail(file.errorString());
    restore.active = false;
    if (existed && !QFile::setPermissions(path, permissions))
        fail(QCoreApplication::translate("SafeFile", "it was written, but its permissions could not be kept"));
}

}  // namespace tarvik
