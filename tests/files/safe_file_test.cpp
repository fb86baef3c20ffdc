// Files written whole or not at all: failing devices, targets that are not
// regular files, permissions kept, a read-only file replaced only on the
// user's say-so. (A real full disk: tests/window/full_disk_test.sh.)
#include "files/safe_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/errors.h"
#include "platform/application.h"
#include "tests/window/window_fixture.h"
#include "files/chart_export.h"
#include "window/chart_file_dialog.h"

namespace tarvik::test {
namespace {

// A device that takes at most `room` bytes, then fails as a full disk does;
// each write takes at most `chunk` bytes (short writes are legal).
class FillingDevice : public QIODevice {
public:
    FillingDevice(qint64 room, qint64 chunk) : room_(room), chunk_(chunk) { open(QIODevice::WriteOnly); }
    QByteArray written;

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 len) override {
        const qint64 n = std::min({len, chunk_, room_ - qint64(written.size())});
        if (n <= 0) {
            setErrorString("No space left on device");
            return -1;
        }
        written.append(data, n);
        return n;
    }

private:
    qint64 room_, chunk_;
};

QByteArray Contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Put(const QString& path, const QByteArray& bytes, QFile::Permissions mode) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    f.close();
    ASSERT_TRUE(QFile::setPermissions(path, mode));
}

unsigned Mode(const QString& path) {
    struct stat st {};
    return stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode & 0777 : 0;
}

std::string SaveError(const QString& path, ReadOnlyTarget policy, const QByteArray& bytes) {
    try {
        WriteFileWhole(path, "the test", policy, [&](QIODevice& d) { return WriteAll(d, bytes); });
    } catch (const Exception& e) {
        return e.Message();
    }
    return "";
}

const QFile::Permissions kReadOnly = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
const QFile::Permissions kOwnerOnly = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;

TEST(SafeFile, EveryByteOrFalse) {
    const QByteArray bytes(100000, 'x');
    FillingDevice roomy(1 << 20, 4096);  // short writes: all of it still goes
    EXPECT_TRUE(WriteAll(roomy, bytes));
    EXPECT_EQ(roomy.written, bytes);
    FillingDevice full(16384, 1 << 20);
    EXPECT_FALSE(WriteAll(full, bytes));
    EXPECT_EQ(full.written.size(), 16384);
}

// A failure halfway leaves the old file as it was and nothing beside it.
TEST(SafeFile, AFailedWriteLeavesTheTargetAsItWas) {
    QTemporaryDir dir;
    const QString path = dir.filePath("chart.svg");
    Put(path, "the old chart", kOwnerOnly);
    try {
        WriteFileWhole(path, "the chart", ReadOnlyTarget::Refuse, [](QIODevice& d) {
            d.write(QByteArray(20000, 'y'));
            FillingDevice full(0, 1);  // the failing producer reports its reason
            return WriteAll(full, "z");
        });
        ADD_FAILURE() << "reported as saved";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message().rfind("Cannot save the chart to '" + path.toStdString() + "': ", 0), 0u) << e.Message();
    }
    EXPECT_EQ(Contents(path), "the old chart");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"chart.svg"});
}

TEST(SafeFile, OnlyRegularFilesAreReplaced) {
    QTemporaryDir dir;
    const QString fifo = dir.filePath("pipe");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString deviceLink = dir.filePath("device.png");
    ASSERT_TRUE(QFile::link("/dev/null", deviceLink));
    struct Case {
        QString path;
        const char* reason;
    } cases[] = {
        {"/dev/null", "it is not a regular file"},
        {"/dev/full", "it is not a regular file"},
        {deviceLink, "it is a symbolic link to '/dev/null'"},
        {fifo, "it is not a regular file"},
        {dir.path(), "it is a folder"},
    };
    for (const auto& c : cases) {
        const std::string error = SaveError(c.path, ReadOnlyTarget::Replace, "data");
        EXPECT_NE(error.find(c.reason), std::string::npos) << c.path.toStdString() << ": " << error;
    }
    struct stat st {};
    ASSERT_EQ(lstat(QFile::encodeName(deviceLink).constData(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode)) << "the link was replaced";
    ASSERT_EQ(stat("/dev/null", &st), 0);
    EXPECT_TRUE(S_ISCHR(st.st_mode));

    // A link to a regular file, or to none: refused, naming its target;
    // the target and the link stay as they were.
    const QString target = dir.filePath("real.txt"), link = dir.filePath("link.txt");
    Put(target, "old", kOwnerOnly);
    ASSERT_TRUE(QFile::link(target, link));
    EXPECT_EQ(SaveError(link, ReadOnlyTarget::Replace, "new"),
              "Cannot save the test to '" + link.toStdString() + "': it is a symbolic link to '" + target.toStdString() +
                  "': choose that file itself, or another name");
    EXPECT_EQ(Contents(target), "old");
    const QString dangling = dir.filePath("dangling.txt");
    ASSERT_TRUE(QFile::link(dir.filePath("none.txt"), dangling));
    EXPECT_NE(SaveError(dangling, ReadOnlyTarget::Refuse, "new").find("symbolic link"), std::string::npos);
    EXPECT_FALSE(QFile::exists(dir.filePath("none.txt")));
    ASSERT_EQ(lstat(QFile::encodeName(link).constData(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
}

TEST(SafeFile, PermissionsAreKept) {
    QTemporaryDir dir;
    const QString shared = dir.filePath("shared.csv");
    Put(shared, "old", kOwnerOnly);
    EXPECT_EQ(SaveError(shared, ReadOnlyTarget::Refuse, "new"), "");
    EXPECT_EQ(Contents(shared), "new");
    EXPECT_EQ(Mode(shared), 0640u);

    // Read-only by its mode, for root too: refused, or replaced on request
    // and read-only again after.
    const QString locked = dir.filePath("locked.csv");
    Put(locked, "old", kReadOnly);
    EXPECT_NE(SaveError(locked, ReadOnlyTarget::Refuse, "new").find("the file is read-only"), std::string::npos);
    EXPECT_EQ(Contents(locked), "old");
    EXPECT_EQ(Mode(locked), 0444u);
    EXPECT_EQ(SaveError(locked, ReadOnlyTarget::Replace, "new"), "");
    EXPECT_EQ(Contents(locked), "new");
    EXPECT_EQ(Mode(locked), 0444u);

    // Another user's file keeps its owner and group (root may save it), or
    // is refused (anyone else would take it from its owner).
    const QString theirs = dir.filePath("theirs.csv");
    Put(theirs, "old", kOwnerOnly);
    constexpr uid_t kNobody = 65534;
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(QFile::encodeName(theirs).constData(), kNobody, kNobody), 0);
        EXPECT_EQ(SaveError(theirs, ReadOnlyTarget::Refuse, "new"), "");
        struct stat st {};
        ASSERT_EQ(stat(QFile::encodeName(theirs).constData(), &st), 0);
        EXPECT_EQ(st.st_uid, kNobody);
        EXPECT_EQ(st.st_gid, kNobody);
        EXPECT_EQ(Contents(theirs), "new");
    }
}

// The window asks before it replaces a read-only file.
TEST_F(WindowTest, AReadOnlyChartIsReplacedOnlyWhenTheUserSaysSo) {
    QTemporaryDir dir;
    const QString path = dir.filePath("chart.png");
    Put(path, "kept", kReadOnly);
    QStringList asked;
    bool answer = false;
    CurrentApplication()->QuestionSink = [&](const QString& subject) {
        asked << subject;
        return answer;
    };
    form->SaveChartTo(path, ChartFormat::Png, 1);
    EXPECT_EQ(asked, QStringList{path});
    EXPECT_EQ(Contents(path), "kept");
    answer = true;
    form->SaveChartTo(path, ChartFormat::Png, 1);
    EXPECT_EQ(asked.size(), 2);
    EXPECT_TRUE(Contents(path).startsWith("\x89PNG"));
    EXPECT_EQ(Mode(path), 0444u);
    EXPECT_TRUE(NewMessages().empty());

    // The chart dialog asks about the file it writes: "report.csv" under
    // the PNG filter is report.csv.png, and that file's replacing is asked.
    const ChartFileChoice typed = ChartFileOf(dir.filePath("report.csv"), 0);
    Put(typed.path, "old", kOwnerOnly);
    Put(dir.filePath("report.csv"), "a table", kOwnerOnly);
    answer = false;
    EXPECT_FALSE(ConfirmReplace(nullptr, typed.path));
    EXPECT_EQ(asked.back(), dir.filePath("report.csv.png"));
    EXPECT_TRUE(ConfirmReplace(nullptr, dir.filePath("new.png")));
    EXPECT_EQ(asked.size(), 3);  // a new file is not asked about
    CurrentApplication()->QuestionSink = nullptr;
}

}  // namespace
}  // namespace tarvik::test
