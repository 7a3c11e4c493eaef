// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "addressbook/bookcodec.h"
#include "platform/atomicfile.h"
#include "platform/eventpump.h"

#include <QByteArrayView>
#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

#include <array>

inline constexpr QStringView kBookFileName = u"AddData.txt";

// Where the default book lives: beside the program when its folder can be
// written, as in a build tree; in the user's data folder when it cannot or
// when the program runs from the folder it was installed to.
struct BookPlaces
{
    QString programDir;
    QString dataDir;
    bool programDirWritable = true;

    static BookPlaces probe(const QString &programDir, const QString &dataDir);
    QString defaultPath() const;
    QString programBook() const;
};

struct BookRead
{
    enum Status {
        Missing,    // no such file: nothing to add
        Read,       // read; see content for what was left out
        Unreadable, // there, but could not be read: never replaced
    } status = Missing;
    BookContent content;
    QString error;
};

// Why a file is copied aside before it is first replaced.
enum class KeepReason {
    Imported,   // this run imported its addresses; it was no address book of ours
    Incomplete, // the list did not take in all it holds
};

struct BookSave
{
    bool ok = false;
    enum Refusal {
        NotRefused,
        UnreadFile, // the file could not be read before
        ReadOnly,   // the file has no write permission for anyone
    } refused = NotRefused;
    QString error;
    QString keptCopy; // where the old file was copied before it was replaced
    KeepReason keptBecause = KeepReason::Incomplete;
};

// The address book's files for one run of the program. It remembers which
// files were not taken in whole, or were imported, so that nothing they
// hold is lost to a save; which could not be read at all, so that they are
// never replaced; and which were UTF-8, so that they stay so. A linked
// book is its link's target in all of this; the link stays.
class BookFiles
{
public:
    // Larger files are no address book; reading them would only eat memory.
    static constexpr qint64 kMaxFileSize = qint64(256) * 1024 * 1024;

    explicit BookFiles(BookPlaces places);

    const BookPlaces &places() const { return m_places; }
    // Whether two names, however written or linked, name the same file.
    static bool sameFile(const QString &a, const QString &b);

    // Reads at most `limit` entries. The default book in the user's data
    // folder starts as a copy of the program folder's book.
    BookRead read(const QString &path, qsizetype limit, const ProcessEvents &events = {});
    // The file is copied aside before the first save that would replace it.
    void keepBeforeReplacing(const QString &path, KeepReason reason);
    // Writes the entries (every one passing canBeStored()) as the whole
    // file; an empty list deletes it. A file that no one may write is
    // neither replaced nor deleted.
    BookSave save(const QString &path, const QStringList &entries);
    // Whether the file is no longer as this program last read or wrote it:
    // another running copy has saved it since.
    bool changedOnDisk(const QString &path) const;

private:
    // Which file is there: its identity, size and times; zeros when none is.
    using FileStamp = std::array<qint64, 6>;
    static FileStamp stampOf(const QString &path);

    static MadeFile copyAside(const QString &path);
    void seedDataBook();

    BookPlaces m_places;
    QHash<QString, KeepReason> m_toKeep;
    QHash<QString, QString> m_unreadable;
    QHash<QString, FileStamp> m_seen;
    QSet<QString> m_utf8;
};
