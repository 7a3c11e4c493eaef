// SPDX-License-Identifier: GPL-3.0-or-later
// The book's files and session: where it lives, unreadable files, a full disk, load/save order, two copies.
#include "addressbook/addressbooksession.h"
#include "addressbook/addresslistmodel.h"
#include "fakes/files.h"
#include "platform/filesettingsbackend.h"
#include "platform/regularfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QLockFile>
#include <QProcess>
#include <QSaveFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QStringList onDisk(const QString &path)
{
    return decodeBook(readAll(path), 100000).entries;
}

QStringList bigBook(const QString &tag, int count)
{
    QStringList entries;
    for (int i = 0; i < count; ++i)
        entries
            << QStringLiteral("%1 Person %2\r\n%3 Long Street\r\n").arg(tag).arg(i, 6, 10, QLatin1Char('0')).arg(i * 7);
    return entries;
}

// A full disk: `write` runs in a child whose file-size limit makes writes
// past it fail. 0 when it reported success, 1 when it reported a failure.
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

struct Session
{
    explicit Session(
        const QString &folder, ProcessEvents events = [] {})
        : book(BookPlaces{folder, folder, true}, std::move(events), [this] { return stopped; })
    {}
    void tick(const QString &entry)
    {
        for (int row = 0; row < book.model()->count(); ++row)
            book.model()->setTicked(row, book.model()->isTicked(row) || book.model()->text(row) == entry);
    }
    bool stopped = false;
    AddressBookSession book;
};

QStringList texts(const BookResult &result)
{
    QStringList shown;
    for (const BookMessage &message : result.messages)
        shown << message.text;
    return shown;
}

// The other running copy, a process of its own.
int otherCopy(const QString &folder, const QString &command, const QString &entry)
{
    Session session(folder);
    session.book.load();
    if (command == u"add")
        session.book.add({entry});
    else
        session.tick(entry), session.book.model()->removeTicked();
    return session.book.save().status == BookResult::Done ? 0 : 1;
}

void runOtherCopy(const QString &folder, const QString &command, const QString &entry)
{
    QProcess copy;
    copy.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--copy"), folder, command, entry});
    QVERIFY(copy.waitForFinished(60'000));
    QCOMPARE(copy.exitCode(), 0);
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
        // What Quillon makes for the user's addresses is the user's alone;
        // the program folder's own book was there before.
        QCOMPARE(modeOf(book) == 0600, !programDirWritable);
        if (!programDirWritable)
            QCOMPARE((QList<int>{modeOf(path(QStringLiteral("data"))), modeOf(data)}), (QList<int>{0700, 0700}));
        if (!programDirWritable && programBookThere)
            QCOMPARE(readAll(programBook), QByteArray("Larry*|||||*\r\n"));
        // An empty list leaves no file, nor a temporary one.
        QVERIFY(files.save(book, {}).ok);
        QCOMPARE(QDir(QFileInfo(book).path()).entryList(QDir::Files | QDir::Hidden), QStringList());
    }

    // A file replaced keeps its permissions, whoever may read it; a new
    // file is readable by all (less the umask) unless it holds addresses.
    void permissionsKept_data()
    {
        QTest::addColumn<int>("mode"); // -1: no file yet
        QTest::addColumn<bool>("book");
        QTest::newRow("a book readable by all") << 0644 << true;
        QTest::newRow("a book shared with the group") << 0640 << true;
        QTest::newRow("another file, owner only") << 0600 << false;
        QTest::newRow("another file, readable by all") << 0604 << false;
        QTest::newRow("a new file") << -1 << false;
    }
    void permissionsKept()
    {
        QFETCH(int, mode);
        QFETCH(bool, book);
        const QString file = path(QStringLiteral("AddData.txt"));
        if (mode >= 0) {
            writeAll(file, "Old*|||||*\r\n");
            QVERIFY(::chmod(QFile::encodeName(file).constData(), mode_t(mode)) == 0);
        }
        const mode_t umask = ::umask(022);
        const auto restore = qScopeGuard([umask] { ::umask(umask); });
        BookFiles files(BookPlaces{m_dir->path(), m_dir->path(), true});
        QVERIFY(book ? files.save(file, {QStringLiteral("New\r\n")}).ok : replaceFile(file, "New").ok);
        QCOMPARE(modeOf(file), mode >= 0 ? mode : 0644);
    }

    // Only regular files up to the limit are read: at the limit, not past it.
    void sizeLimit_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<FileBytes::Status>("status");
        QTest::newRow("one byte under") << 99 << FileBytes::Read;
        QTest::newRow("at the limit") << 100 << FileBytes::Read;
        QTest::newRow("one byte over") << 101 << FileBytes::TooLarge;
    }
    void sizeLimit()
    {
        QFETCH(int, size);
        QFETCH(FileBytes::Status, status);
        const QString file = path(QStringLiteral("file"));
        writeAll(file, QByteArray(size, 'x'));
        const FileBytes read = readRegularFile(file, 100);
        QCOMPARE(read.status, status);
        QCOMPARE(read.size, size);
        QCOMPARE(read.bytes.size(), status == FileBytes::Read ? size : 0);
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
        Session session(m_dir->path());
        session.book.add({QStringLiteral("A")});
        QCOMPARE(session.book.load().status, BookResult::Unreadable); // and no hang on the pipe
        for (const bool empty : {false, true}) {
            if (empty)
                session.tick(QStringLiteral("A")), session.book.model()->removeTicked();
            const BookResult saved = session.book.save();
            QVERIFY(saved.status == BookResult::Failed && texts(saved).join(' ').contains(u"could not be read"));
        }
        // A name whose folder is missing fails too, and the book in use stays.
        session.book.add({QStringLiteral("A")});
        const QString nowhere = path(QStringLiteral("no/such/folder/book.txt"));
        const QString said = texts(session.book.saveAs(nowhere)).join(' ');
        QVERIFY(said.contains(QDir::toNativeSeparators(nowhere)) && said.contains(QDir::toNativeSeparators(book)));
        QCOMPARE(session.book.fileName(), book);
        // Once it reads (here: gone), it takes saves again; another name always does.
        QCOMPARE(session.book.saveAs(path(QStringLiteral("rescue.txt"))).status, BookResult::Done);
        QVERIFY(pipe ? QFile::remove(book) : QDir(book).removeRecursively());
        QCOMPARE(session.book.importFile(book).status, BookResult::Missing);
        QCOMPARE(session.book.save().status, BookResult::Done);
        // Once the program ends nothing is saved, and nothing is said.
        session.stopped = true;
        session.book.add({QStringLiteral("Late")});
        QVERIFY(texts(session.book.saveConfirmed()).isEmpty());
        QCOMPARE(onDisk(book), QStringList{"A\r\n"});
    }

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
        FileSettingsBackend settings(m_dir->path(), QStringLiteral("app"), QStringLiteral("s"));
        BookFiles books(BookPlaces{m_dir->path(), m_dir->path(), true});
        const QString file = records ? books.places().defaultPath() : settings.pathOf("key");
        QVERIFY(records ? books.save(file, bigBook("S", 3)).ok : settings.write("key", "Old"));
        const QByteArray before = readAll(file);

        const int exit = exitOfLimitedChild(limit, [&] {
            if (!records)
                return settings.write("key", QStringLiteral("A new value").repeated(3));
            const BookSave saved = books.save(file, bigBook("S", records));
            return saved.ok || saved.error.isEmpty();
        });
        QCOMPARE(exit, 1);
        QCOMPARE(readAll(file), before);
        QCOMPARE(QDir(QFileInfo(file).path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QFileInfo(file).fileName()});
    }

    // Why replaceFile() is no QSaveFile: Qt 6.4's commit() takes a write
    // that the disk held only part of (here 10 bytes of 100) as saved. Once
    // this fails, Qt has mended it and QSaveFile could serve.
    void qsaveFileTakesAShortFileAsSaved()
    {
        const QString file = path(QStringLiteral("saved"));
        QCOMPARE(exitOfLimitedChild(10,
                                    [&] {
                                        QSaveFile save(file);
                                        return save.open(QIODevice::WriteOnly)
                                            && save.write(QByteArray(100, 'x')) == 100 && save.commit();
                                    }),
                 0);
        QCOMPARE(readAll(file).size(), 10);
    }

    void aLoadRemovesOnlyOurLeftovers()
    {
        BookFiles books(BookPlaces{m_dir->path(), m_dir->path(), true});
        QVERIFY(books.save(book(), bigBook("S", 2)).ok);
        QStringList names{QStringLiteral("AddData.txt.backup"), QStringLiteral("AddData.txt.kept-20240101-120000"),
                          QStringLiteral("AddData.txt.quillon-tmp-InUse1")};
        for (const QString &name : names + QStringList{QStringLiteral("AddData.txt.quillon-tmp-Ab3dE9")})
            writeAll(path(name));
        QFile inUse(path(names.last())); // another copy's save, still being written
        QVERIFY(inUse.open(QIODevice::ReadOnly) && ::flock(inUse.handle(), LOCK_EX) == 0);
        QCOMPARE(books.read(book(), 10).content.entries, bigBook("S", 2));
        names << QStringLiteral("AddData.txt");
        names.sort();
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), names);
    }

    void savesDuringALoadWaitForIt()
    {
        writeAll(book(), encodeBook(bigBook(QStringLiteral("P"), 200)).bytes);
        bool once = false;
        std::unique_ptr<Session> session;
        // What the user does while the book loads: an import, and Save.
        session = std::make_unique<Session>(m_dir->path(), [&] {
            if (std::exchange(once, true))
                return;
            QCOMPARE(session->book.add({QStringLiteral("Nested\r\n")}).added, 1);
            QCOMPARE(session->book.save().status, BookResult::Deferred);
            QCOMPARE(session->book.saveConfirmed().status, BookResult::Deferred);
        });
        const BookResult loaded = session->book.load();
        QVERIFY(once);
        QCOMPARE(session->book.model()->count(), 201);
        QCOMPARE(onDisk(book()).size(), 201);
        QCOMPARE(texts(loaded), QStringList{"Complete"});
    }

    void overfullBookLoadsWhatFitsAndKeepsTheRest()
    {
        const QByteArray file = encodeBook(bigBook(QStringLiteral("N"), AddressListModel::kCapacity + 3)).bytes;
        writeAll(book(), file);
        Session session(m_dir->path());
        const BookResult loaded = session.book.load();
        QCOMPARE(session.book.model()->count(), AddressListModel::kCapacity);
        QVERIFY2(texts(loaded).join(' ').contains(QStringLiteral(" 3 were left out")),
                 qPrintable(texts(loaded).join(' ')));
        QVERIFY(texts(session.book.add({QStringLiteral("One more")})).first().contains(QStringLiteral("full")));
        // The first save keeps the whole original beside the book, and says where; one copy is enough.
        const QStringList said = texts(session.book.saveConfirmed());
        const QStringList kept = QDir(m_dir->path()).entryList({QStringLiteral("AddData.txt.kept-*")});
        QCOMPARE(kept.size(), 1);
        QVERIFY(said.size() == 2 && said.first().contains(kept.first()) && said.last() == u"Complete");
        QCOMPARE(readAll(path(kept.first())), file);
        QCOMPARE(onDisk(book()).size(), AddressListModel::kCapacity);
        QCOMPARE(texts(session.book.saveConfirmed()), QStringList{"Complete"});
    }

    // Clearing a linked book empties its target and keeps the link, which
    // the next save writes through; a read-only book is neither replaced
    // nor deleted, and the user is told why.
    void linkedAndReadOnlyBooks_data()
    {
        QTest::addColumn<bool>("readOnly");
        QTest::newRow("linked to a book elsewhere") << false;
        QTest::newRow("read-only") << true;
    }
    void linkedAndReadOnlyBooks()
    {
        QFETCH(bool, readOnly);
        const QString target = readOnly ? book() : path(QStringLiteral("sync/book.txt"));
        const QByteArray before = "Anne\r\n*|||||*\r\n";
        QVERIFY(QDir().mkpath(QFileInfo(target).path()));
        writeAll(target, before);
        QVERIFY(readOnly ? ::chmod(QFile::encodeName(target).constData(), 0444) == 0 : QFile::link(target, book()));
        Session session(m_dir->path());
        session.book.load();
        for (const QString &added : {QString(), QStringLiteral("Cleo\r\n")}) { // all cleared, then one added
            if (added.isEmpty())
                session.tick(QStringLiteral("Anne\r\n")), session.book.model()->removeTicked();
            else
                session.book.add({added});
            const BookResult saved = session.book.save();
            QCOMPARE(saved.status, readOnly ? BookResult::Failed : BookResult::Done);
            QCOMPARE(texts(saved).join(' ').contains(u"is read-only"), readOnly);
            QVERIFY(readOnly || QFileInfo(book()).isSymLink());
            QCOMPARE(readAll(target),
                     readOnly ? before : QByteArray(added.isEmpty() ? "<missing>" : "Cleo\r\n*|||||*\r\n"));
        }
    }

    // The file an import names becomes the book: before the first save
    // replaces it, a copy byte for byte is kept beside it, and said once.
    // Its records that are UTF-8 read as such, and it stays UTF-8.
    void importedFileIsKeptBeforeItIsReplaced()
    {
        writeAll(book(), "Anne\r\n*|||||*\r\n");
        const QString friends = path(QStringLiteral("friends.txt"));
        const QByteArray original = "C\xc3\xa9line\r\n\r\n*|||||*\r\nJos\xe9*|||||*\r\n";
        writeAll(friends, original);
        Session session(m_dir->path());
        session.book.load();
        session.book.importFile(friends);
        session.book.add({QStringLiteral("Zo\u00eb")});
        const QStringList said = texts(session.book.save());
        const QStringList kept = QDir(m_dir->path()).entryList({QStringLiteral("friends.txt.kept-*")});
        QVERIFY2(kept.size() == 1 && said.size() == 1 && said.first().contains(kept.first())
                     && said.first().contains(u"imported"),
                 qPrintable(said.join(' ')));
        QCOMPARE(readAll(path(kept.first())), original);
        QVERIFY(readAll(friends).isValidUtf8());
        QCOMPARE(onDisk(friends), QStringList({"Anne\r\n", "C\u00e9line\r\n", "Jos\u00e9\r\n", "Zo\u00eb\r\n"}));
        QVERIFY(texts(session.book.save()).isEmpty());
        QCOMPARE(readAll(book()), QByteArray("Anne\r\n*|||||*\r\n"));
    }

    // Something other than a lock file where one would be is no other
    // copy's lock and is never opened; the folder's own lock serves.
    void oddLockPathNeitherHangsNorBlocks_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("a folder") << "folder";
        QTest::newRow("a named pipe") << "pipe";
        QTest::newRow("a link to nowhere") << "link";
    }
    void oddLockPathNeitherHangsNorBlocks()
    {
        QFETCH(QString, kind);
        writeAll(book(), "Anne\r\n*|||||*\r\n");
        const QByteArray lock = QFile::encodeName(book() + QStringLiteral(".lock"));
        QVERIFY(kind == u"folder"     ? ::mkdir(lock.constData(), 0700) == 0
                    : kind == u"pipe" ? ::mkfifo(lock.constData(), 0600) == 0
                                      : ::symlink("nowhere", lock.constData()) == 0);
        Session session(m_dir->path());
        session.book.load();
        session.book.add({QStringLiteral("Bob\r\n")});
        ::alarm(60); // a save that hangs fails the test
        const BookResult saved = session.book.save();
        ::alarm(0);
        QCOMPARE(saved.status, BookResult::Done);
        QCOMPARE(onDisk(book()), QStringList({"Anne\r\n", "Bob\r\n"}));
    }

    void twoCopiesLoseNothing_data()
    {
        QTest::addColumn<QStringList>("other"); // the other copy's commands, in turn, before ours
        QTest::addColumn<QString>("added");     // by this copy
        QTest::addColumn<QString>("removed");   // ticked and removed by this copy; empty: left idle
        QTest::addColumn<QStringList>("book");
        QTest::newRow("both add") << QStringList{"add", "From B\r\n"} << "From A\r\n"
                                  << "-" << QStringList{"Anne\r\n", "Bob\r\n", "From A\r\n", "From B\r\n"};
        QTest::newRow("one adds, one removes") << QStringList{"add", "From B\r\n"} << QString() << "Bob\r\n"
                                               << QStringList{"Anne\r\n", "From B\r\n"};
        QTest::newRow("one removes, one adds, lock held a while") << QStringList{"remove", "Anne\r\n"} << "From A\r\n"
                                                                  << "-" << QStringList{"Bob\r\n", "From A\r\n"};
        QTest::newRow("both remove the same") << QStringList{"remove", "Bob\r\n"} << QString() << "Bob\r\n"
                                              << QStringList{"Anne\r\n"};
        QTest::newRow("idle: the list follows, ticks kept")
            << QStringList{"remove", "Anne\r\n", "add", "Cleo\r\n"} << QString() << QString()
            << QStringList{"Bob\r\n", "Cleo\r\n"};
    }
    void twoCopiesLoseNothing()
    {
        QFETCH(QStringList, other);
        QFETCH(QString, added);
        QFETCH(QString, removed);
        QFETCH(QStringList, book);
        writeAll(this->book(), "Anne\r\n*|||||*\r\nBob\r\n*|||||*\r\n");
        Session session(m_dir->path());
        session.book.load();
        session.tick(removed.isEmpty() ? QStringLiteral("Bob\r\n") : removed);
        for (qsizetype i = 0; i < other.size(); i += 2)
            runOtherCopy(m_dir->path(), other[i], other[i + 1]);
        if (removed.isEmpty()) {
            QTRY_COMPARE(session.book.model()->texts(), book);
            QVERIFY(session.book.model()->isTicked(0) && !session.book.model()->isTicked(1));
            return;
        }
        if (!added.isEmpty())
            session.book.add({added});
        session.book.model()->removeTicked();
        if (QTest::currentDataTag() == QByteArrayView("one removes, one adds, lock held a while")) {
            // Held as another copy's save holds it (an flock on the folder; a lock file
            // from an older copy): this save fails, the next one takes the change.
            session.book.setLockWait(std::chrono::milliseconds(0));
            for (const bool byFolder : {true, false}) {
                const int folder = ::open(QFile::encodeName(m_dir->path()).constData(), O_RDONLY | O_DIRECTORY);
                QLockFile file(this->book() + QStringLiteral(".lock"));
                QVERIFY(byFolder ? ::flock(folder, LOCK_EX) == 0 : file.lock());
                const BookResult refused = session.book.save();
                ::close(folder);
                QVERIFY(refused.status == BookResult::Failed
                        && texts(refused).first().contains(u"another running copy"));
            }
        }
        QCOMPARE(session.book.save().status, BookResult::Done);
        QCOMPARE(onDisk(this->book()), book);
        QCOMPARE(session.book.model()->texts(), book);
    }

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }
    QString book() const { return path(QStringLiteral("AddData.txt")); }

    std::unique_ptr<QTemporaryDir> m_dir;
};

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc == 5 && qstrcmp(argv[1], "--copy") == 0)
        return otherCopy(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]),
                         QString::fromLocal8Bit(argv[4]));
    TestAddressBookFile test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_addressbook_file.moc"
