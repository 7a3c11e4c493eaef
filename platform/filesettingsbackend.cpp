// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/filesettingsbackend.h"

#include "platform/atomicfile.h"
#include "platform/datedname.h"
#include "platform/logging.h"
#include "platform/regularfile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>

namespace {

// A value file starts with this line, so that a file that is not ours,
// or was cut short by something else, is seen as damaged.
constexpr char kMagic[] = "QUILLON-SETTING 1\n";
constexpr qsizetype kMagicSize = sizeof(kMagic) - 1;

// Marks a value file or a store folder set aside as damaged.
constexpr QLatin1StringView kAsideMark(".damaged-");

// Renames `path` aside as damaged, under a name nothing holds yet. The new
// path, or empty when the rename fails.
QString renamedAside(const QString &path)
{
    const MadeFile aside = putAtDatedName(path, kAsideMark, [&path](const QString &name) {
        // Qt renames without replacing: a name another start took just now
        // fails here rather than losing what it holds.
        QFile file(path);
        return file.rename(name) ? IoResult{true, {}} : IoResult{false, file.errorString()};
    });
    if (aside.path.isEmpty())
        qCWarning(lcFiles) << "could not set aside the damaged" << path << aside.error;
    else
        qCInfo(lcFiles) << "set aside the damaged" << path << "as" << aside.path;
    return aside.path;
}

// Whether `name` is one that fileNameOfKey() gives: anything else in the
// store's folders is the user's own, and left alone.
bool isKeyFileName(QStringView name)
{
    return !name.isEmpty() && std::all_of(name.begin(), name.end(), [](QChar c) {
        return (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F') || c == u'_'
            || c == u'-' || c == u'%';
    });
}

// Restore Default Settings renames the store to this name and a number,
// then removes it.
QString deletingPrefix(const QString &application)
{
    return u'.' + application + QStringLiteral(".deleting-");
}

std::optional<QString> readValue(const QString &path)
{
    const FileBytes file = readRegularFile(path, FileSettingsBackend::kMaxValueSize);
    if (file.status != FileBytes::Read)
        return std::nullopt;
    return FileSettingsBackend::decodeValue(file.bytes);
}

} // namespace

FileSettingsBackend::FileSettingsBackend(const QString &root, const QString &application, const QString &section)
    : m_root(root),
      m_application(application),
      m_appDir(root + u'/' + application),
      m_sectionDir(m_appDir + u'/' + section)
{
    checkStore();
}

QString FileSettingsBackend::fileNameOfKey(const QString &key)
{
    // Lower case makes "TextReturnOffy" and "TextReturnOffY" one file;
    // anything but plain letters and digits is escaped, so no key can name
    // another folder, and no key file holds the dot of a temporary file.
    QString name;
    const QByteArray utf8 = key.toLower().toUtf8();
    for (const char c : utf8) {
        const auto u = static_cast<unsigned char>(c);
        if ((u >= 'a' && u <= 'z') || (u >= '0' && u <= '9') || u == '_' || u == '-')
            name += QLatin1Char(c);
        else
            name += QStringLiteral("%%1").arg(u, 2, 16, QLatin1Char('0')).toUpper();
    }
    return name.isEmpty() ? QStringLiteral("%") : name;
}

QByteArray FileSettingsBackend::encodeValue(const QString &value)
{
    return QByteArray(kMagic, kMagicSize) + value.toUtf8();
}

std::optional<QString> FileSettingsBackend::decodeValue(const QByteArray &bytes)
{
    if (!bytes.startsWith(QByteArrayView(kMagic, kMagicSize)))
        return std::nullopt;
    // A value may itself start with U+FEFF: it is a character, not a mark.
    QStringDecoder decoder(QStringDecoder::Utf8,
                           QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString value = decoder(QByteArrayView(bytes).sliced(kMagicSize));
    if (decoder.hasError())
        return std::nullopt;
    return value;
}

QString FileSettingsBackend::pathOf(const QString &key) const
{
    return m_sectionDir + u'/' + fileNameOfKey(key);
}

void FileSettingsBackend::checkStore()
{
    sweepDeletedStores();
    const QFileInfo app(m_appDir);
    if (!app.exists() && !app.isSymLink())
        return;

    const QFileInfo section(m_sectionDir);
    const bool sectionThere = section.exists() || section.isSymLink();
    const bool unreadable = !app.isDir() || !app.isReadable() || !app.isExecutable()
        || (sectionThere && (!section.isDir() || !section.isReadable() || !section.isExecutable()));
    if (!unreadable) {
        const QDir dir(m_sectionDir);
        QStringList damaged;
        for (const QString &name :
             dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
            const QString path = dir.filePath(name);
            if (isTemporaryName(name))
                removeLeftover(path); // of a write that was cut short
            else if (isKeyFileName(name) && !readValue(path))
                damaged << path;
        }
        for (const QString &path : std::as_const(damaged))
            setAsideFile(path);
        return;
    }

    const QString aside = renamedAside(m_appDir);
    if (!aside.isEmpty()) {
        m_storeProblem = QCoreApplication::translate("FileSettingsBackend",
                                                     "The saved settings could not be read, so Quillon starts with its "
                                                     "default settings. The old settings were kept in:\n%1")
                             .arg(QDir::toNativeSeparators(aside));
    } else {
        // Never write into a store we could not read: keep it for the user.
        m_unusable = true;
        m_storeProblem = QCoreApplication::translate("FileSettingsBackend",
                                                     "The saved settings in %1 could not be read and could not be "
                                                     "moved aside. Quillon starts with its default settings and will "
                                                     "not save settings in this run.")
                             .arg(QDir::toNativeSeparators(m_appDir));
    }
}

void FileSettingsBackend::sweepDeletedStores()
{
    // What a Restore Default Settings that was killed or failed left.
    const QString prefix = deletingPrefix(m_application);
    const QDir root(m_root);
    for (const QString &name : root.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
        const QStringView stamp = QStringView(name).sliced(std::min(name.size(), prefix.size()));
        if (!name.startsWith(prefix) || stamp.isEmpty()
            || !std::all_of(stamp.begin(), stamp.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
            continue;
        const QString path = root.filePath(name);
        if (!(QFileInfo(path).isSymLink() ? QFile::remove(path) : QDir(path).removeRecursively()))
            qCWarning(lcFiles) << "could not remove what a Restore Default Settings left:" << path;
    }
}

void FileSettingsBackend::setAsideFile(const QString &path)
{
    m_damagedNames << QFileInfo(path).fileName();
    if (renamedAside(path).isEmpty())
        m_heldFiles << path;
}

void FileSettingsBackend::setAside(const QString &key)
{
    setAsideFile(pathOf(key));
}

QString FileSettingsBackend::openingProblem() const
{
    if (!m_storeProblem.isEmpty() || m_damagedNames.isEmpty())
        return m_storeProblem;
    QString problem =
        QCoreApplication::translate("FileSettingsBackend",
                                    "These saved settings could not be read and start with their defaults: %1.\n"
                                    "The damaged values were kept beside the others, in:\n%2")
            .arg(m_damagedNames.join(QStringLiteral(", ")), QDir::toNativeSeparators(m_sectionDir));
    if (!m_heldFiles.isEmpty())
        problem += QCoreApplication::translate("FileSettingsBackend",
                                               "\nSome could not be renamed; Quillon leaves them as they are and "
                                               "will not save those settings in this run.");
    return problem;
}

std::optional<QString> FileSettingsBackend::read(const QString &key)
{
    if (m_unusable || m_heldFiles.contains(pathOf(key)))
        return std::nullopt;
    return readValue(pathOf(key));
}

bool FileSettingsBackend::write(const QString &key, const QString &value)
{
    if (m_unusable || m_heldFiles.contains(pathOf(key)))
        return false;
    if (!makeOwnFolders(m_sectionDir))
        return false;
    return replaceFile(pathOf(key), encodeValue(value)).ok;
}

IoResult FileSettingsBackend::deleteAll()
{
    const QString &appDir = m_appDir;
    if (!QFileInfo::exists(appDir) && !QFileInfo(appDir).isSymLink())
        return {true, {}};
    // All or nothing: the store vanishes at once and as a whole by a rename,
    // or stays as it was; the removal of the files behind it may then take
    // its time.
    const QString doomed =
        m_root + u'/' + deletingPrefix(m_application) + QString::number(QDateTime::currentMSecsSinceEpoch());
    QFile store(appDir);
    if (!store.rename(doomed))
        return {false, QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(appDir), store.errorString())};
    // The store is gone from its place; what follows only frees the room.
    if (const IoResult synced = syncFolderOf(doomed); !synced.ok)
        qCWarning(lcFiles) << "could not sync the folder of" << doomed << synced.error;
    if (!QDir(doomed).removeRecursively())
        qCWarning(lcFiles) << "could not remove" << doomed;
    m_heldFiles.clear();
    return {true, {}};
}
