// SPDX-License-Identifier: GPL-3.0-or-later
// The address book's files: where the book lives, whole saves, files that
// cannot be read, a kill in the middle of a save.
#include "addressbook/bookfiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

QStringList bigBook(const QString &tag)
{
    QStringList entries;
    for (int i = 0; i < 30000; ++i)
        entries << QStringLiteral("%1 Person %2\r\n%3 Long Street\r\nSome Town\r\n").arg(tag).arg(i).arg(i * 7);
    return entries;
}

// The child's part of the kill test: save two books in turn until killed;
// a line on stdout tells that a whole book is there.
int keepSaving(const QString &path)
{
    BookFiles files(BookPlaces{QFileInfo(path).absolutePath(), QString(), true});
    const QStringList books[2] = {bigBook(QStringLiteral("A")), bigBook(QStringLiteral("B"))};
    for (int turn = 0;; turn ^= 1) {
        if (!files.save(path, books[turn]).ok)
            return 1;
        if (turn == 0) {
            fputs("saving\n", stdout);
            fflush(stdout);
        }
    }
}

} // namespace

class TestAddressBookFile : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
    }

    void defaultBookSavedAndDeleted_data()
    {
        QTest::addColumn<bool>("programDirWritable");
        QTest::addColumn<bool>("programBookThere");
        QTest::newRow("writable program folder") << true << true;
        QTest::newRow("read-only program folder, its book copied") << false << true;
        QTest::newRow("read-only program folder without a book") << false << false;
    }

    void defaultBookSavedAndDeleted()
    {
        QFETCH(bool, programDirWritable);
        QFETCH(bool, programBookThere);
        const QString program = path(QStringLiteral("program"));
        const QString data = path(QStringLiteral("data/Quillon"));
        const QString programBook = program + QStringLiteral("/AddData.txt");
        QVERIFY(QDir().mkpath(program));
        if (programBookThere)
            writeAll(programBook, "Larry*|||||*\r\n");

        BookFiles files(BookPlaces{program, data, programDirWritable});
        const QString book = files.places().defaultPath();
        QCOMPARE(book, (programDirWritable ? program : data) + QStringLiteral("/AddData.txt"));
        QCOMPARE(files.read(book, 100).content.entries.size(), programBookThere ? 1 : 0);
        QVERIFY(files.save(book, {QStringLiteral("Tony\r\n")}).ok);
        QCOMPARE(readAll(book), QByteArray("Tony\r\n*|||||*\r\n"));
        if (!programDirWritable && programBookThere)
            QCOMPARE(readAll(programBook), QByteArray("Larry*|||||*\r\n"));
        // An empty list leaves no file, nor a temporary one; nothing to delete is no failure.
        QVERIFY(files.save(book, {}).ok);
        QVERIFY(files.save(book, {}).ok);
        QCOMPARE(QDir(QFileInfo(book).path()).entryList(QDir::Files | QDir::Hidden), QStringList());
    }

    void unreadableBookIsNeverReplaced_data()
    {
        QTest::addColumn<bool>("pipe");
        QTest::newRow("a folder") << false;
        QTest::newRow("a named pipe") << true;
    }

    void unreadableBookIsNeverReplaced()
    {
        QFETCH(bool, pipe);
        const QString book = path(QStringLiteral("AddData.txt"));
        QVERIFY(pipe ? ::mkfifo(QFile::encodeName(book).constData(), 0600) == 0 : QDir().mkpath(book));
        BookFiles files(BookPlaces{m_dir->path(), m_dir->path(), true});
        QCOMPARE(files.read(book, 10).status, BookRead::Unreadable); // and no hang on the pipe
        for (const QStringList &entries : {QStringList{QStringLiteral("A")}, QStringList()}) {
            const BookSave saved = files.save(book, entries);
            QVERIFY(saved.unreadFile && !saved.ok && !saved.error.isEmpty());
        }
        // Once it reads (here: gone), it takes saves again.
        QVERIFY(pipe ? QFile::remove(book) : QDir(book).removeRecursively());
        QCOMPARE(files.read(book, 10).status, BookRead::Missing);
        QVERIFY(files.save(book, {QStringLiteral("A")}).ok);
    }

    void killedWhileSavingLeavesAWholeBook()
    {
        const QString book = path(QStringLiteral("AddData.txt"));
        const QByteArray a = encodeBook(bigBook(QStringLiteral("A")));
        const QByteArray b = encodeBook(bigBook(QStringLiteral("B")));
        for (int delay : {0, 3, 7, 15, 30, 60}) {
            QProcess child;
            child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--keep-saving"), book});
            QVERIFY(child.waitForReadyRead(60'000));
            QTest::qSleep(delay);
            child.kill();
            QVERIFY(child.waitForFinished());
            const QByteArray left = readAll(book);
            QVERIFY2(left == a || left == b, qPrintable(QStringLiteral("%1 bytes after %2 ms").arg(left.size()).arg(delay)));
        }
    }

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }

    std::unique_ptr<QTemporaryDir> m_dir;
};

int main(int argc, char *argv[])
{
    if (argc == 3 && qstrcmp(argv[1], "--keep-saving") == 0)
        return keepSaving(QString::fromLocal8Bit(argv[2]));
    QCoreApplication app(argc, argv);
    TestAddressBookFile test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_addressbook_file.moc"
