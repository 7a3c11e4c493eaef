// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/settingsbackend.h"

#include <QString>
#include <QStringList>

// The settings store on disk: one small file per key, under
// <root>/<application>/<section>/<key in lower case>.
//
// One file per key keeps a keystroke's write as cheap as writing that one
// value, however large the others are; each write goes to a temporary file
// that is synced and renamed over the old one, so a crash leaves the old
// value or the new one, never a torn file.
class FileSettingsBackend final : public SettingsBackend
{
public:
    // A value file larger than this is no value of ours (the longest, a
    // pasted list, is a few megabytes at most): it is set aside unread.
    static constexpr qint64 kMaxValueSize = qint64(64) * 1024 * 1024;

    // Opens the store of `application`'s `section` under `root`. A damaged
    // value file (not ours, too large, not a file) is renamed aside, beside
    // the others, and its key starts at its default; a store folder that
    // cannot be read is renamed aside as a whole. Nothing unreadable is
    // ever written over, and nothing but the temporary files of its own
    // cut-short writes is removed.
    FileSettingsBackend(const QString &root, const QString &application, const QString &section);

    std::optional<QString> read(const QString &key) override;
    bool write(const QString &key, const QString &value) override;
    IoResult deleteAll() override;
    void setAside(const QString &key) override;
    QString openingProblem() const override;

    // The file that holds one key; exposed for tests and the README's sake.
    QString pathOf(const QString &key) const;

    static QString fileNameOfKey(const QString &key);
    static QByteArray encodeValue(const QString &value);
    static std::optional<QString> decodeValue(const QByteArray &bytes);

private:
    void checkStore();
    void sweepDeletedStores();
    void setAsideFile(const QString &path);

    QString m_root;
    QString m_application;
    QString m_appDir;       // <root>/<application>
    QString m_sectionDir;   // <root>/<application>/<section>
    QString m_storeProblem; // the store as a whole could not be read
    bool m_unusable = false;
    QStringList m_damagedNames; // value files set aside
    // Damaged value files that could not be moved aside: kept as they are.
    QStringList m_heldFiles;
};
