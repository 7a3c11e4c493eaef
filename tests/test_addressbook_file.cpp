// SPDX-License-Identifier: GPL-3.0-or-later
// The address book's files: where the book lives, whole saves, what a load
// left out, paths that are no book.
#include "addressbook/addresslistmodel.h"
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
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QStringList bigBook(const QString &tag)
{
    QStringList entries;
    for (int i = 0; i < 30000; ++i)
        entries << QStringLiteral("%1 Person %2\r\n%3 Long Street\r\nSome Town\r\n").arg(tag).arg(i).arg(i * 7);
    return entries;
}

// The child's part of the kill test: save two books in turn until killed.
int keepSaving(const QString &path)
{
    BookFiles files(BookPlaces{QFileInfo(path).absolutePath(), QString(), true});
    const QStringList books[2] = {bigBook(QStringLiteral("A")), bigBook(QStringLiteral("B"))};
    for (int turn = 0;; turn ^= 1) {
        if (!files.save(path, books[turn]).ok)
            return 1;
        static bool told = false;
        if (!std::exchange(told, true)) {
            fputs("saving\n", stdout); // the first whole book is there
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

    void defaultPlace_data()
    {
        QTest::addColumn<bool>("programDirWritable");
        QTest::addColumn<bool>("programBookThere");
        QTest::newRow("writable program folder") << true << true;
        QTest::newRow("read-only program folder, its book copied") << false << true;
        QTest::newRow("read-only program folder without a book") << false << false;
    }

    void defaultPlace()
    {
        QFETCH(bool, programDirWritable);
        QFETCH(bool, programBookThere);
        const QString program = path(QStringLiteral("program"));
        const QString data = path(QStringLiteral("data/Quillon"));
        QVERIFY(QDir().mkpath(program));
        const QString programBook = program + QStringLiteral("/AddData.txt");
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
    }

    void saveReplacesAndEmptyListDeletes()
    {
        BookFiles files = make();
        const QString book = path(QStringLiteral("AddData.txt"));
        QVERIFY(files.save(book, {QStringLiteral("B\r\n"), QStringLiteral("A")}).ok);
        QCOMPARE(readAll(book), QByteArray("B\r\n*|||||*\r\nA*|||||*\r\n"));
        QVERIFY(files.save(book, {}).ok);
        QVERIFY(!QFileInfo::exists(book));
        QVERIFY(files.save(book, {}).ok); // nothing to delete is no failure
        // No temporary file is left behind.
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList());
    }

    void pathsThatAreNoBook_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("in a folder that does not exist") << QStringLiteral("missing folder");
        QTest::newRow("a folder") << QStringLiteral("folder");
        QTest::newRow("a named pipe") << QStringLiteral("pipe");
    }

    void pathsThatAreNoBook()
    {
        QFETCH(QString, kind);
        const QString book = path(kind == u"missing folder" ? QStringLiteral("no/such/AddData.txt")
                                                            : QStringLiteral("AddData.txt"));
        if (kind == u"folder")
            QVERIFY(QDir().mkpath(book));
        if (kind == u"pipe")
            QCOMPARE(::mkfifo(QFile::encodeName(book).constData(), 0600), 0);

        BookFiles files = make();
        const BookRead read = files.read(book, 10); // and no hang on the pipe
        QCOMPARE(read.status, kind == u"missing folder" ? BookRead::Missing : BookRead::Unreadable);
        for (const QStringList &entries : {QStringList{QStringLiteral("A")}, QStringList()}) {
            const BookSave saved = files.save(book, entries);
            QVERIFY(!saved.ok);
            QVERIFY(!saved.error.isEmpty());
            QCOMPARE(saved.unreadFile, read.status == BookRead::Unreadable);
        }
        QCOMPARE(QFileInfo(book).isDir(), kind == u"folder");
        // Once it reads (here: gone), it takes saves again.
        if (kind != u"missing folder") {
            QVERIFY(kind == u"folder" ? QDir(book).removeRecursively() : QFile::remove(book));
            QCOMPARE(files.read(book, 10).status, BookRead::Missing);
            QVERIFY(files.save(book, {QStringLiteral("A")}).ok);
        }
    }

    void incompleteLoadKeepsTheOriginal_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<qsizetype>("limit");
        QTest::newRow("text after the last separator") << QByteArray("A*|||||*\r\nhalf a record") << qsizetype(10);
        QTest::newRow("records past the limit") << QByteArray("A*|||||*\r\nB*|||||*\r\nC*|||||*\r\n") << qsizetype(1);
    }

    void incompleteLoadKeepsTheOriginal()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(qsizetype, limit);
        const QString book = path(QStringLiteral("AddData.txt"));
        writeAll(book, bytes);
        BookFiles files = make();
        const BookRead read = files.read(book, limit);
        QVERIFY(read.content.tailHasText || read.content.recordsBeyond == 2);
        files.keepBeforeReplacing(book);

        const BookSave first = files.save(book, read.content.entries);
        QVERIFY(first.ok);
        QCOMPARE(QFileInfo(first.keptCopy).absolutePath(), m_dir->path());
        QCOMPARE(readAll(first.keptCopy), bytes);
        QCOMPARE(readAll(book), QByteArray("A\r\n*|||||*\r\n"));
        // One copy is enough.
        QVERIFY(files.save(book, {}).keptCopy.isEmpty());
    }

    void largeGarbageFile()
    {
        const QString book = path(QStringLiteral("AddData.txt"));
        QByteArray bytes(50 * 1024 * 1024, '\0');
        for (qsizetype i = 0; i < bytes.size(); i += 97)
            bytes[i] = char(i * 31);
        writeAll(book, bytes);
        const BookRead read = make().read(book, AddressListModel::kCapacity);
        QCOMPARE(read.status, BookRead::Read);
        QVERIFY(read.content.entries.isEmpty());
        QVERIFY(read.content.tailHasText);
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
    BookFiles make() const { return BookFiles(BookPlaces{m_dir->path(), m_dir->path(), true}); }

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
