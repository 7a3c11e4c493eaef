// SPDX-License-Identifier: GPL-3.0-or-later
// The settings store opened over any folder tree: files, folders, named
// pipes, links (to files, to devices, to nowhere, in a circle), values too
// large to read, names of its own, names close to them and the user's. The
// opening must not hang (libFuzzer's -timeout makes a hang a finding) nor
// lose anything: every file that is not a value or a temporary file of the
// store stays where it was, byte for byte; a value file stays or is set
// aside whole; and a value written afterwards reads back.
#include "platform/filesettingsbackend.h"
#include "settings/settingkeys.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QTemporaryDir>

#include <array>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString kApp = QString::fromLatin1(kSettingsApplication);
const QString kSection = QString::fromLatin1(kSettingsSection);

// Where an entry goes, below the root of the store.
const std::array<QString, 4> kFolders{QString(), kApp, kApp + u'/' + kSection, kApp + QStringLiteral("/my backups")};

QString consumeName(FuzzedDataProvider &data)
{
    static const std::array<const char *, 10> kNames{"toaddress",
                                                     "textreturnoffx",
                                                     "notes.txt",
                                                     "toaddress.bak",
                                                     "toaddress.quillon-tmp-Ab3dE9",
                                                     "toaddress.quillon-tmp-Ab3dE",
                                                     "toaddress.damaged-20240101-120000",
                                                     ".Quillon 2.1 Tarvik.deleting-1700000000000",
                                                     "Quillon 2.1 Tarvik",
                                                     "Settings"};
    if (data.ConsumeBool())
        return QString::fromLatin1(kNames[data.ConsumeIntegralInRange<size_t>(0, kNames.size() - 1)]);
    QString name = QString::fromUtf8(data.ConsumeRandomLengthString(24));
    name.remove(u'/').remove(QChar(0));
    return name.isEmpty() || name == u"." || name == u".." ? QStringLiteral("x") : name;
}

struct Entry
{
    QByteArray bytes; // of a small regular file
    mode_t type;
};

// What lies under `root`, by path, as lstat sees it.
QHash<QString, Entry> snapshot(const QString &root)
{
    QHash<QString, Entry> found;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        struct stat info;
        if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
            continue;
        Entry entry{{}, info.st_mode & S_IFMT};
        if (S_ISREG(info.st_mode) && info.st_size < 4096) {
            QFile file(path);
            if (file.open(QIODevice::ReadOnly))
                entry.bytes = file.readAll();
        }
        found.insert(QDir(root).relativeFilePath(path), entry);
    }
    return found;
}

const QString kValues = kApp + u'/' + kSection;

// The store's own: its key files and temporary files, and what a cut-short
// restore left.
bool isStoreName(const QString &relative)
{
    if (relative.startsWith(u'.' + kApp + QStringLiteral(".deleting-")))
        return true;
    if (QFileInfo(relative).path() != kValues)
        return false;
    const QString name = QFileInfo(relative).fileName();
    return name.contains(QStringLiteral(".quillon-tmp-")) || std::all_of(name.begin(), name.end(), [](QChar c) {
               return (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F') || c == u'_'
                   || c == u'-' || c == u'%';
           });
}

// The name beside `relative` that it was set aside as (one that was not
// there before), or empty.
QString asideOf(const QString &root, const QString &relative, const QHash<QString, Entry> &before)
{
    const QFileInfo info(relative);
    const QStringList found = QDir(root + u'/' + info.path())
                                  .entryList({info.fileName() + QStringLiteral(".damaged-*")},
                                             QDir::AllEntries | QDir::Hidden | QDir::System);
    for (const QString &name : found) {
        if (!before.contains(info.path() + u'/' + name))
            return info.path() + u'/' + name;
    }
    return {};
}

// Where an entry is now: a store set aside as a whole, or a value folder
// set aside, took what was in it along.
QString whereNow(const QString &root, const QString &relative, const QHash<QString, Entry> &before)
{
    if (relative == kApp || relative.startsWith(kApp + u'/')) {
        if (const QString store = asideOf(root, kApp, before); !store.isEmpty())
            return store + relative.sliced(kApp.size());
    }
    if (relative.startsWith(kValues + u'/')) {
        const qsizetype end = relative.indexOf(u'/', kValues.size() + 1);
        if (end > 0) {
            if (const QString aside = asideOf(root, relative.first(end), before); !aside.isEmpty())
                return aside + relative.sliced(end);
        }
    }
    return relative;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size)
{
    FuzzedDataProvider data(bytes, size);
    QTemporaryDir dir(QFileInfo(QStringLiteral("/dev/shm")).isWritable() ? QStringLiteral("/dev/shm/fuzz_store-XXXXXX")
                                                                         : QString());
    const QString root = dir.path();
    QDir().mkpath(root + u'/' + kFolders[2]);
    for (int n = data.ConsumeIntegralInRange(0, 12); n > 0 && data.remaining_bytes() > 0; --n) {
        const QString folder = root + u'/' + kFolders[data.ConsumeIntegralInRange<size_t>(0, kFolders.size() - 1)];
        QDir().mkpath(folder);
        const QString path = folder + u'/' + consumeName(data);
        const QByteArray name = QFile::encodeName(path);
        struct stat taken;
        if (::lstat(name.constData(), &taken) == 0)
            continue; // writing into a named pipe made here before would block
        switch (data.ConsumeIntegralInRange(0, 7)) {
        case 0: { // a value of ours, or anything
            QFile file(path);
            if (file.open(QIODevice::WriteOnly)) {
                if (data.ConsumeBool())
                    file.write(FileSettingsBackend::encodeValue(QString()));
                file.write(QByteArray::fromStdString(data.ConsumeRandomLengthString(64)));
            }
            break;
        }
        case 1: QDir().mkdir(path); break;
        case 2: ::mkfifo(name.constData(), 0600); break;
        case 3: ::symlink("/dev/zero", name.constData()); break;
        case 4: ::symlink("nowhere", name.constData()); break;
        case 5: ::symlink(name.constData(), name.constData()); break; // a circle
        case 6: {                                                     // beyond the bound, sparse
            QFile file(path);
            if (file.open(QIODevice::WriteOnly))
                file.resize(FileSettingsBackend::kMaxValueSize + data.ConsumeIntegralInRange(-1, 1));
            break;
        }
        default:
            ::symlink(QFile::encodeName(root + u'/' + kFolders[2] + QStringLiteral("/toaddress")).constData(),
                      name.constData());
        }
    }

    const QHash<QString, Entry> before = snapshot(root);
    FileSettingsBackend store(root, kApp, kSection);
    const QHash<QString, Entry> after = snapshot(root);
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        const auto now = after.constFind(whereNow(root, it.key(), before));
        if (now != after.cend() && now->type == it->type && now->bytes == it->bytes)
            continue;
        if (!isStoreName(it.key()))
            std::abort(); // the user's file is gone or changed
        // A value file is never dropped: it is set aside whole.
        if (!it.key().startsWith(u'.') && !it.key().contains(u".quillon-tmp-")) {
            const auto aside = after.constFind(asideOf(root, it.key(), before));
            if (aside == after.cend() || aside->type != it->type || aside->bytes != it->bytes)
                std::abort();
        }
    }

    for (const SettingKey &key : kSettingKeys)
        store.read(QString::fromLatin1(key.key));
    const QString value = QString::fromUtf8(data.ConsumeRemainingBytesAsString());
    if (store.write(QStringLiteral("ToAddress"), value) && store.read(QStringLiteral("toaddress")) != value)
        std::abort();
    return 0;
}
