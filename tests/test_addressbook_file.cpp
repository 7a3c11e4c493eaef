// SPDX-License-Identifier: GPL-3.0-or-later
// The address book's files: where the book lives, whole saves, what a load
// left out, files that are no book.
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

// A big book whose entries all carry `tag`, so that two of them differ
// in every record.
QStringList bigBook(const QString &tag, int count = 30000)
{
    QStringList entries;
    entries.reserve(count);
    for (int i = 0; i < count; ++i) {
        entries << QStringLiteral("%1 Person %2\r\n%3 Long Street\r\nSome Town, ST %4\r\n")
                       .arg(tag)
                       .arg(i, 5, 10, QLatin1Char('0'))
                       .arg(i * 7)
                       .arg(10000 + i);
    }
    return entries;
}

// The child's part of the kill test: save two books in turn until killed.
int keepSaving(const QString &path)
{
    BookFiles files(BookPlaces{QFileInfo(path).absolutePath(), QFileInfo(path).absolutePath(), true});
    const QStringList books[2] = {bigBook(QStringLiteral("A")), bigBook(QStringLiteral("B"))};
    for (int turn = 0;; turn ^= 1) {
        if (!files.save(path, books[turn]).ok)
            return 1;
        if (turn == 0) {
            // The parent starts its clock once the first whole book is there.
            static bool told = false;
            if (!std::exchange(told, true)) {
                fputs("saving\n", stdout);
                fflush(stdout);
            }
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
        QTest::addColumn<QString>("bookDir");
        QTest::addColumn<int>("entries");

        QTest::newRow("writable program folder") << true << true << "program" << 1;
        QTest::newRow("read-only program folder, its book copied") << false << true << "data" << 1;
        QTest::newRow("read-only program folder without a book") << false << false << "data" << 0;
    }

    void defaultPlace()
    {
        QFETCH(bool, programDirWritable);
        QFETCH(bool, programBookThere);
        QFETCH(QString, bookDir);
        QFETCH(int, entries);

        const QString program = path(QStringLiteral("program"));
        const QString data = path(QStringLiteral("data/Quillon"));
        QVERIFY(QDir().mkpath(program));
        if (programBookThere)
            writeAll(program + QStringLiteral("/AddData.txt"), "Larry*|||||*\r\n");

        BookFiles files(BookPlaces{program, data, programDirWritable});
        const QString book = files.places().defaultPath();
        QCOMPARE(book, (bookDir == u"program" ? program : data) + QStringLiteral("/AddData.txt"));

        const BookRead read = files.read(book, 100);
        QCOMPARE(read.content.entries.size(), entries);
        QVERIFY(files.save(book, {QStringLiteral("Tony\r\n")}).ok);
        QCOMPARE(readAll(book), QByteArray("Tony\r\n*|||||*\r\n"));
        // The program folder's book is left alone where it is not the book.
        if (!programDirWritable && programBookThere)
            QCOMPARE(readAll(program + QStringLiteral("/AddData.txt")), QByteArray("Larry*|||||*\r\n"));
    }

    void probe()
    {
        const BookPlaces places = BookPlaces::probe(m_dir->path(), path(QStringLiteral("data")));
        QVERIFY(places.programDirWritable);
        QVERIFY(!BookPlaces::probe(path(QStringLiteral("missing")), QString()).programDirWritable);
        QVERIFY(!places.defaultPath().contains(u'\\'));
    }

    void saveReplacesAndEmptyListDeletes()
    {
        BookFiles files = make();
        const QString book = path(QStringLiteral("AddData.txt"));
        QVERIFY(files.save(book, {QStringLiteral("B\r\n"), QStringLiteral("A")}).ok);
        QCOMPARE(readAll(book), QByteArray("B\r\n*|||||*\r\nA*|||||*\r\n"));
        QVERIFY(files.save(book, {QStringLiteral("C")}).ok);
        QCOMPARE(readAll(book), QByteArray("C*|||||*\r\n"));

        QVERIFY(files.save(book, {}).ok);
        QVERIFY(!QFileInfo::exists(book));
        QVERIFY(files.save(book, {}).ok); // nothing to delete is no failure
        QCOMPARE(files.read(book, 10).status, BookRead::Missing);
        // Nothing but the book itself is left in the folder.
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList());
    }

    void savesThatCannotBeDone_data()
    {
        QTest::addColumn<QString>("target");
        QTest::newRow("folder that does not exist") << QStringLiteral("no/such/folder/AddData.txt");
        QTest::newRow("a folder named as the file") << QStringLiteral("afolder");
    }

    void savesThatCannotBeDone()
    {
        QFETCH(QString, target);
        QVERIFY(QDir().mkpath(path(QStringLiteral("afolder/inside"))));
        BookFiles files = make();
        for (const QStringList &entries : {QStringList{QStringLiteral("A")}, QStringList()}) {
            const BookSave saved = files.save(path(target), entries);
            QVERIFY(!saved.ok);
            QVERIFY(!saved.error.isEmpty());
        }
        QVERIFY(QFileInfo(path(QStringLiteral("afolder/inside"))).isDir());
    }

    void filesThatAreNoBook_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("folder") << QStringLiteral("folder");
        QTest::newRow("named pipe") << QStringLiteral("pipe");
    }

    void filesThatAreNoBook()
    {
        QFETCH(QString, kind);
        const QString book = path(QStringLiteral("AddData.txt"));
        if (kind == u"folder")
            QVERIFY(QDir().mkpath(book));
        else
            QCOMPARE(::mkfifo(QFile::encodeName(book).constData(), 0600), 0);

        BookFiles files = make();
        const BookRead read = files.read(book, 10);
        QCOMPARE(read.status, BookRead::Unreadable);
        QVERIFY(!read.error.isEmpty());
        // Never replaced while it is the book; another file takes saves.
        const BookSave refused = files.save(book, {QStringLiteral("A")});
        QVERIFY(!refused.ok);
        QVERIFY(refused.unreadFile);
        QVERIFY(files.save(path(QStringLiteral("other.txt")), {QStringLiteral("A")}).ok);
        QVERIFY(!QFileInfo(book).isFile());

        // Once it reads (here: gone), it is a book like any other again.
        QVERIFY(kind == u"folder" ? QDir(book).removeRecursively() : QFile::remove(book));
        QCOMPARE(files.read(book, 10).status, BookRead::Missing);
        QVERIFY(files.save(book, {QStringLiteral("A")}).ok);
    }

    void incompleteLoadKeepsTheOriginal_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<qsizetype>("limit");
        QTest::newRow("text after the last separator") << QByteArray("A*|||||*\r\nhalf a record") << qsizetype(10);
        QTest::newRow("records past the limit") << QByteArray("A*|||||*\r\nB*|||||*\r\nC*|||||*\r\n") << qsizetype(1);
        QTest::newRow("binary garbage") << QByteArray("\x00\xff\xfe*|||\x00||*", 11) << qsizetype(10);
    }

    void incompleteLoadKeepsTheOriginal()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(qsizetype, limit);
        const QString book = path(QStringLiteral("AddData.txt"));
        writeAll(book, bytes);

        BookFiles files = make();
        const BookRead read = files.read(book, limit);
        QCOMPARE(read.status, BookRead::Read);
        QVERIFY(read.content.tailHasText || read.content.recordsBeyond > 0);
        files.keepBeforeReplacing(book);

        const BookSave first = files.save(book, read.content.entries);
        QVERIFY(first.ok);
        QVERIFY(!first.keptCopy.isEmpty());
        QCOMPARE(QFileInfo(first.keptCopy).absolutePath(), QFileInfo(book).absolutePath());
        QCOMPARE(readAll(first.keptCopy), bytes);
        // One copy is enough: the next save replaces the book at once.
        const BookSave second = files.save(book, {});
        QVERIFY(second.ok);
        QVERIFY(second.keptCopy.isEmpty());
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files).size(), 1);
    }

    void overCapacityFile()
    {
        const QString book = path(QStringLiteral("AddData.txt"));
        BookFiles files = make();
        QStringList entries = bigBook(QStringLiteral("X"), AddressListModel::kCapacity + 5);
        writeAll(book, encodeBook(entries));
        int events = 0;
        const BookRead read = files.read(book, AddressListModel::kCapacity, [&events] { ++events; });
        QCOMPARE(read.content.entries.size(), AddressListModel::kCapacity);
        QCOMPARE(read.content.recordsBeyond, qsizetype(5));
        QCOMPARE(read.content.entries.last(), entries[AddressListModel::kCapacity - 1]);
        QVERIFY(events > 0);
    }

    void largeGarbageFile()
    {
        // 50 MB of bytes that hold no separator: read, found to hold nothing,
        // and marked as text not taken in.
        const QString book = path(QStringLiteral("AddData.txt"));
        QByteArray bytes(50 * 1024 * 1024, '\0');
        for (qsizetype i = 0; i < bytes.size(); i += 97)
            bytes[i] = char(i * 31);
        writeAll(book, bytes);
        BookFiles files = make();
        const BookRead read = files.read(book, AddressListModel::kCapacity);
        QCOMPARE(read.status, BookRead::Read);
        QVERIFY(read.content.entries.isEmpty());
        QVERIFY(read.content.tailHasText);
    }

    void killedWhileSavingLeavesAWholeBook()
    {
        const QString book = path(QStringLiteral("AddData.txt"));
        const QByteArray a = encodeBook(bigBook(QStringLiteral("A")));
        const QByteArray b = encodeBook(bigBook(QStringLiteral("B")));
        QVERIFY(a.size() > 1'000'000);

        for (int delay : {0, 3, 7, 15, 30, 60}) {
            QProcess child;
            child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--keep-saving"), book});
            QVERIFY(child.waitForStarted());
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
