// SPDX-License-Identifier: GPL-3.0-or-later
// Replacing a file on a disk that fills up: each write runs in a child
// process whose file-size limit makes writes past it fail, as a full disk
// does.
#include "addressbook/bookfiles.h"
#include "platform/filesettingsbackend.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QStringList book(int records)
{
    QStringList entries;
    for (int i = 0; i < records; ++i)
        entries << QStringLiteral("Name %1\r\nSomeCity\r\n").arg(i, 5, 10, QLatin1Char('0'));
    return entries;
}

// 0 when `write` reported success, 1 when it reported a failure.
int exitOfLimitedChild(qint64 limit, const std::function<bool()> &write)
{
    const pid_t child = ::fork();
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit small{rlim_t(limit), rlim_t(limit)};
        ::setrlimit(RLIMIT_FSIZE, &small);
        ::_exit(write() ? 0 : 1);
    }
    int status = -1;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

} // namespace

class TestFullDisk : public QObject
{
    Q_OBJECT

private slots:
    void failedReplacementKeepsTheOldFile_data()
    {
        QTest::addColumn<int>("records");
        QTest::addColumn<qint64>("limit");
        QTest::newRow("a setting value") << 0 << qint64(10);
        QTest::newRow("a small book, 12 bytes of room") << 100 << qint64(12);
        QTest::newRow("a large book, 4 KiB of room") << 301 << qint64(4096);
        QTest::newRow("a book larger than a write buffer") << 1000 << qint64(4096);
    }
    void failedReplacementKeepsTheOldFile()
    {
        QFETCH(int, records);
        QFETCH(qint64, limit);
        QTemporaryDir dir;
        FileSettingsBackend settings(dir.path(), QStringLiteral("app"));
        BookFiles books(BookPlaces{dir.path(), dir.path(), true});
        const QString path = records ? books.places().defaultPath() : settings.pathOf("app", "s", "key");
        QVERIFY(records ? books.save(path, book(3)).ok : settings.write("app", "s", "key", "Old"));
        const QByteArray before = contents(path);

        const int exit = exitOfLimitedChild(limit, [&] {
            if (!records)
                return settings.write("app", "s", "key", QStringLiteral("A new value").repeated(3));
            const BookSave saved = books.save(path, book(records));
            return saved.ok || saved.error.isEmpty();
        });
        QCOMPARE(exit, 1);
        QCOMPARE(contents(path), before);
        QCOMPARE(QDir(QFileInfo(path).path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QFileInfo(path).fileName()});
    }

    void aLoadRemovesOnlyOurLeftovers()
    {
        QTemporaryDir dir;
        BookFiles books(BookPlaces{dir.path(), dir.path(), true});
        const QString path = books.places().defaultPath();
        QVERIFY(books.save(path, book(2)).ok);
        QStringList names{QStringLiteral("AddData.txt.backup"), QStringLiteral("AddData.txt.kept-20240101-120000"),
                          QStringLiteral("AddData.txt.quillon-tmp-InUse1")};
        for (const QString &name : names + QStringList{QStringLiteral("AddData.txt.quillon-tmp-Ab3dE9")})
            QVERIFY(QFile(dir.filePath(name)).open(QIODevice::WriteOnly));
        QFile inUse(dir.filePath(names.last())); // another copy's save, still being written
        QVERIFY(inUse.open(QIODevice::ReadOnly) && ::flock(inUse.handle(), LOCK_EX) == 0);
        QCOMPARE(books.read(path, 10).content.entries, book(2));
        names << QStringLiteral("AddData.txt");
        names.sort();
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), names);
    }
};

QTEST_APPLESS_MAIN(TestFullDisk)
#include "test_full_disk.moc"
