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

} // namespace

FileSettingsBackend::FileSettingsBackend(const QString &root, const QString &application)
    : m_root(root)
{
    checkStore(application);
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

QString FileSettingsBackend::pathOf(const QString &application, const QString &section,
                                    const QString &key) const
{
    return m_root + u'/' + application + u'/' + section + u'/' + fileNameOfKey(key);
}

void FileSettingsBackend::checkStore(const QString &application)
{
    const QString appDir = m_root + u'/' + application;
    const QFileInfo info(appDir);
    if (!info.exists() && !info.isSymLink())
        return;

    bool damaged = !info.isDir() || !info.isReadable() || !info.isExecutable();
    QStringList leftovers;
    if (!damaged) {
        QDirIterator it(appDir, QDir::Files | QDir::Dirs | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext() && !damaged) {
            const QFileInfo entry(it.next());
            if (entry.isDir()) {
                damaged = !entry.isReadable() || !entry.isExecutable();
                continue;
            }
            if (entry.fileName().contains(u'.')) {
                // Key files never hold a dot: this is the temporary file of
                // an interrupted write.
                leftovers << entry.filePath();
                continue;
            }
            QFile file(entry.filePath());
            damaged = !file.open(QIODevice::ReadOnly) || !decodeValue(file.readAll());
        }
    }
    if (!damaged) {
        for (const QString &path : std::as_const(leftovers))
            removeLeftover(path);
        return;
    }

    const QString aside = appDir + QStringLiteral(".damaged-")
        + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    if (QFile::rename(appDir, aside)) {
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

std::optional<QString> FileSettingsBackend::read(const QString &application, const QString &section,
                                                 const QString &key)
{
    if (m_unusable)
        return std::nullopt;
    QFile file(pathOf(application, section, key));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return decodeValue(file.readAll());
}

bool FileSettingsBackend::write(const QString &application, const QString &section, const QString &key,
                                const QString &value)
{
    if (m_unusable)
        return false;
    const QString dir = m_root + u'/' + application + u'/' + section;
    if (!QFileInfo::exists(dir)) {
        if (!QDir().mkpath(dir))
            return false;
        // Addresses are nobody else's business.
        QFile::setPermissions(dir, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
    return replaceFile(pathOf(application, section, key), encodeValue(value)).ok;
}

bool FileSettingsBackend::deleteAll(const QString &application)
{
    const QString appDir = m_root + u'/' + application;
    if (!QFileInfo::exists(appDir))
        return true;
    // Rename first so that the store vanishes at once and as a whole; the
    // removal of the files behind it may then take its time.
    const QString doomed = m_root + QStringLiteral("/.") + application + QStringLiteral(".deleting-")
        + QString::number(QDateTime::currentMSecsSinceEpoch());
    if (!QFile::rename(appDir, doomed))
        return QDir(appDir).removeRecursively();
    syncFolderOf(doomed);
    QDir(doomed).removeRecursively();
    return true;
}
