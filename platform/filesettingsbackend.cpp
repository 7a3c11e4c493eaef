// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/filesettingsbackend.h"

#include "platform/atomicfile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace {

// A value file starts with this line, so that a file that is not ours,
// or was cut short by something else, is seen as damaged.
constexpr char kMagic[] = "QUILLON-SETTING 1\n";
constexpr qsizetype kMagicSize = sizeof(kMagic) - 1;

// Marks a value file or a store folder set aside as damaged.
constexpr char kAsideMark[] = ".damaged-";

// Renames `path` to a name beside it that nothing holds yet:
// <path>.damaged-<date and time>, with -2, -3, ... after it when two starts
// fall in the same second. The new path, or empty when the rename fails.
QString renamedAside(const QString &path)
{
    const QString stem =
        path + QLatin1String(kAsideMark) + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    for (int n = 1; n <= 1000; ++n) {
        const QString aside = n == 1 ? stem : stem + u'-' + QString::number(n);
        // Qt renames without replacing: a name another start took just now
        // fails here rather than losing what it holds.
        if (QFile::rename(path, aside))
            return aside;
        if (!QFileInfo::exists(aside) && !QFileInfo(aside).isSymLink())
            return {};
    }
    return {};
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
    const QString &appDir = m_appDir;
    const QFileInfo info(appDir);
    if (!info.exists() && !info.isSymLink())
        return;

    bool unreadable = !info.isDir() || !info.isReadable() || !info.isExecutable();
    QStringList leftovers;
    QStringList damaged;
    if (!unreadable) {
        QDirIterator it(appDir, QDir::Files | QDir::Dirs | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext() && !unreadable) {
            const QFileInfo entry(it.next());
            if (entry.isDir()) {
                unreadable = !entry.isReadable() || !entry.isExecutable();
                continue;
            }
            if (entry.fileName().contains(QLatin1String(kAsideMark)))
                continue; // set aside at an earlier start, kept for the user
            if (entry.fileName().contains(u'.')) {
                // Key files never hold a dot: this is the temporary file of
                // an interrupted write.
                leftovers << entry.filePath();
                continue;
            }
            QFile file(entry.filePath());
            if (!file.open(QIODevice::ReadOnly) || !decodeValue(file.readAll()))
                damaged << entry.filePath();
        }
    }
    if (!unreadable) {
        for (const QString &path : std::as_const(leftovers))
            removeLeftover(path);
        setAsideValues(damaged);
        return;
    }

    const QString aside = renamedAside(appDir);
    if (!aside.isEmpty()) {
        m_problem = QCoreApplication::translate("FileSettingsBackend",
                                                "The saved settings could not be read, so Quillon starts with its "
                                                "default settings. The old settings were kept in:\n%1")
                        .arg(QDir::toNativeSeparators(aside));
    } else {
        // Never write into a store we could not read: keep it for the user.
        m_unusable = true;
        m_problem = QCoreApplication::translate("FileSettingsBackend",
                                                "The saved settings in %1 could not be read and could not be moved "
                                                "aside. Quillon starts with its default settings and will not save "
                                                "settings in this run.")
                        .arg(QDir::toNativeSeparators(appDir));
    }
}

void FileSettingsBackend::setAsideValues(const QStringList &damaged)
{
    if (damaged.isEmpty())
        return;
    QStringList names;
    for (const QString &path : damaged) {
        names << QFileInfo(path).fileName();
        if (renamedAside(path).isEmpty())
            m_heldFiles << path;
    }
    m_problem =
        QCoreApplication::translate("FileSettingsBackend",
                                    "These saved settings could not be read and start with their defaults: %1.\n"
                                    "The damaged values were kept beside the others, in:\n%2")
            .arg(names.join(QStringLiteral(", ")), QDir::toNativeSeparators(QFileInfo(damaged.first()).absolutePath()));
    if (!m_heldFiles.isEmpty())
        m_problem += QCoreApplication::translate("FileSettingsBackend",
                                                 "\nSome could not be renamed; Quillon leaves them as they are and "
                                                 "will not save those settings in this run.");
}

std::optional<QString> FileSettingsBackend::read(const QString &key)
{
    if (m_unusable)
        return std::nullopt;
    QFile file(pathOf(key));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return decodeValue(file.readAll());
}

bool FileSettingsBackend::write(const QString &key, const QString &value)
{
    if (m_unusable || m_heldFiles.contains(pathOf(key)))
        return false;
    const QString &dir = m_sectionDir;
    if (!QFileInfo::exists(dir)) {
        if (!QDir().mkpath(dir))
            return false;
        // Addresses are nobody else's business.
        QFile::setPermissions(dir, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
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
    const QString doomed = m_root + QStringLiteral("/.") + m_application + QStringLiteral(".deleting-")
        + QString::number(QDateTime::currentMSecsSinceEpoch());
    QFile store(appDir);
    if (!store.rename(doomed))
        return {false, QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(appDir), store.errorString())};
    syncFolderOf(doomed);
    QDir(doomed).removeRecursively();
    m_heldFiles.clear();
    return {true, {}};
}
