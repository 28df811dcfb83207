// Files written whole or not at all: the temporary file beside the target, what a killed
// writer leaves and the next write removes, links followed, and paths that name one file.
#include "image/AtomicFile.h"
#include "support/TestSupport.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace zemtar;
using zemtar::test::readAll;
using zemtar::test::writeAll;

namespace {

QStringList hiddenFiles(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

void age(const QString& path, int seconds)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.setFileTime(QDateTime::currentDateTime().addSecs(-seconds), QFileDevice::FileModificationTime));
}

unsigned mode(const QString& path)
{
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? unsigned(st.st_mode & 0777) : 0u;
}

} // namespace

TEST(AtomicFile, AKilledWriterLeavesANamedTemporaryThatTheNextWriteRemoves)
{
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("radio.dat"));
    ASSERT_TRUE(writeAll(target, "old contents"));
    // The writer is killed in the middle of its write: a file-size limit with the signal's
    // default action ends the process as SIGKILL would, before the file is replaced.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_DFL);
        rlimit lim{4096, 4096};
        setrlimit(RLIMIT_FSIZE, &lim);
        writeFileAtomically(target, QByteArray(64 * 1024, 'x'), nullptr);
        _exit(0); // not reached
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(readAll(target), QByteArray("old contents"));
    const QStringList left = hiddenFiles(dir.path());
    ASSERT_EQ(left.size(), 2) << qPrintable(left.join(u' '));
    const QString temporary = left.front();
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\.radio\\.dat\\.zemtar-tmp-%1-[A-Za-z0-9]{6}$").arg(child))
                    .match(temporary)
                    .hasMatch())
        << qPrintable(temporary);

    // Fresh, it may still be being written: kept. Older than a minute, its process gone: removed.
    const QString other = dir.filePath(QStringLiteral("other.dat"));
    ASSERT_TRUE(writeFileAtomically(other, "1", nullptr));
    EXPECT_TRUE(QFile::exists(dir.filePath(temporary)));
    age(dir.filePath(temporary), 2 * kStaleTemporarySeconds);
    // An old one whose process still runs, and files that only look alike, stay.
    QProcess sleeper;
    sleeper.start(QStringLiteral("sleep"), {QStringLiteral("30")});
    ASSERT_TRUE(sleeper.waitForStarted());
    const QString running = QStringLiteral(".other.dat.zemtar-tmp-%1-abcDEF").arg(sleeper.processId());
    const QStringList lookAlikes = {running, QStringLiteral(".other.dat.zemtar-tmp-x"),
                                    QStringLiteral("other.dat.zemtar-tmp-99999999-abcDEF")};
    for (const QString& name : lookAlikes) {
        ASSERT_TRUE(writeAll(dir.filePath(name), "partial"));
        age(dir.filePath(name), 2 * kStaleTemporarySeconds);
    }
    const QString dead = QStringLiteral(".x.zemtar-tmp-99999999-abcDEF"); // beyond any process number
    ASSERT_TRUE(writeAll(dir.filePath(dead), "partial"));
    age(dir.filePath(dead), 2 * kStaleTemporarySeconds);
    ASSERT_TRUE(writeFileAtomically(target, "new contents", nullptr));
    EXPECT_EQ(readAll(target), QByteArray("new contents"));
    QStringList expected = lookAlikes + QStringList{QStringLiteral("other.dat"), QStringLiteral("radio.dat")};
    expected.sort();
    EXPECT_EQ(hiddenFiles(dir.path()), expected);
    sleeper.kill();
    sleeper.waitForFinished();
}

TEST(AtomicFile, LinksAreFollowedAndPermissionsKept)
{
    QTemporaryDir dir;
    const QString real = dir.filePath(QStringLiteral("real.dat")), link = dir.filePath(QStringLiteral("link.dat"));
    ASSERT_TRUE(writeAll(real, "old"));
    ASSERT_EQ(::chmod(QFile::encodeName(real).constData(), 0640), 0);
    ASSERT_TRUE(QFile::link(real, link));
    ASSERT_TRUE(writeFileAtomically(link, "new", nullptr));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(readAll(real), QByteArray("new"));
    EXPECT_EQ(mode(real), 0640u);
    // A new file is made as any program makes one: readable by others unless the mask says no.
    const mode_t mask = ::umask(022);
    ::umask(mask);
    const QString fresh = dir.filePath(QStringLiteral("fresh.dat"));
    ASSERT_TRUE(writeFileAtomically(fresh, "x", nullptr));
    EXPECT_EQ(mode(fresh), 0666u & ~mask);
    EXPECT_EQ(hiddenFiles(dir.path()).size(), 3);
}

TEST(AtomicFile, SameFileSeesThroughSpellingsAndLinks)
{
    QTemporaryDir dir;
    const QString a = dir.filePath(QStringLiteral("a.dat"));
    ASSERT_TRUE(writeAll(a, "a"));
    ASSERT_TRUE(writeAll(dir.filePath(QStringLiteral("b.dat")), "b"));
    ASSERT_TRUE(QFile::link(a, dir.filePath(QStringLiteral("soft.pdf"))));
    ASSERT_EQ(::link(QFile::encodeName(a).constData(),
                     QFile::encodeName(dir.filePath(QStringLiteral("hard.pdf"))).constData()),
              0);
    QDir().mkpath(dir.filePath(QStringLiteral("sub")));
    const struct {
        const char* other;
        bool same;
    } cases[] = {{"a.dat", true},    {"./a.dat", true}, {"sub/../a.dat", true}, {"soft.pdf", true},
                 {"hard.pdf", true}, {"b.dat", false},  {"new.pdf", false}};
    for (const auto& c : cases)
        EXPECT_EQ(sameFile(a, dir.filePath(QString::fromLatin1(c.other))), c.same) << c.other;
}
