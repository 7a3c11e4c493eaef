// SPDX-License-Identifier: GPL-3.0-or-later
// Settings writes on the real store, beside the floor of one durable small
// file write; keystrokes with a large text, and how soon its write lands;
// the time from process start to the window shown.
#include "app/addresstextbox.h"
#include "app/form1.h"
#include "fakes/testservices.h"
#include "platform/filesettingsbackend.h"

#include "benchclock.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <unistd.h>
#include <vector>

namespace {

struct Figures
{
    double median;
    double p99;
};

Figures measure(int runs, const std::function<void(int)> &once)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const double start = monotonicMs();
        once(i);
        times.push_back(monotonicMs() - start);
    }
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], times[std::min(times.size() - 1, times.size() * 99 / 100)]};
}

void report(const char *what, Figures f)
{
    std::printf("%-58s median %8.3f ms   p99 %8.3f ms\n", what, f.median, f.p99);
}

// The floor: 100 bytes to a temporary file, fsync, rename.
void floorWrite(const QByteArray &dir, int i)
{
    const QByteArray tmp = dir + "/floor.tmp";
    const QByteArray target = dir + "/floor";
    const int fd = ::open(tmp.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    char bytes[100];
    std::fill(std::begin(bytes), std::end(bytes), char('a' + i % 26));
    if (fd < 0 || ::write(fd, bytes, sizeof bytes) != sizeof bytes || ::fsync(fd) != 0)
        std::perror("floor");
    ::close(fd);
    ::rename(tmp.constData(), target.constData());
}

// The last byte of a file, or 0.
char lastByteOf(const QString &path)
{
    QFile file(path);
    char byte = 0;
    if (!file.open(QIODevice::ReadOnly) || !file.seek(file.size() - 1) || !file.getChar(&byte))
        return 0;
    return byte;
}

QString bigText(qsizetype bytes)
{
    const QString line = QStringLiteral("Tony Doe|1234 Great Street|CityName, CA 97777 \r\n");
    QString text;
    text.reserve(bytes + line.size());
    while (text.size() < bytes)
        text += line;
    return text;
}

void startAndShow(Form1 &form)
{
    form.Form_Load();
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        std::fprintf(stderr, "window not exposed\n");
}

int startupChild(const QString &root)
{
    // Stands for the program's own start: the real store, a window shown.
    FileSettingsBackend store(root, QString::fromLatin1(kSettingsApplication), QString::fromLatin1(kSettingsSection));
    TestServices services;
    services.settingsOnDisk = &store;
    Form1 form(services.services());
    startAndShow(form);
    std::printf("%lld\n", static_cast<long long>(monotonicReferenceMs()));
    return 0;
}

// Process start to window shown, in a child process of this binary, over a
// store that holds `value` under `key` (none: an empty store).
void reportStartup(const char *what, const QString &key = {}, const QString &value = {})
{
    QTemporaryDir root;
    if (!key.isEmpty())
        FileSettingsBackend(root.path(), QString::fromLatin1(kSettingsApplication),
                            QString::fromLatin1(kSettingsSection))
            .write(key, value);
    std::vector<double> startups;
    for (int i = 0; i < 5; ++i) {
        QProcess child;
        const qint64 start = monotonicReferenceMs();
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--startup-child"), root.path()});
        child.waitForFinished(600000);
        const qint64 shown = QString::fromLatin1(child.readAllStandardOutput()).trimmed().toLongLong();
        if (shown > 0)
            startups.push_back(double(shown - start));
    }
    std::sort(startups.begin(), startups.end());
    if (!startups.empty())
        std::printf("%-58s median %8.3f ms\n", what, startups[startups.size() / 2]);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (app.arguments().size() == 3 && app.arguments()[1] == QStringLiteral("--startup-child"))
        return startupChild(app.arguments()[2]);

    QTemporaryDir root;
    const QString application = QString::fromLatin1(kSettingsApplication);
    const QString section = QString::fromLatin1(kSettingsSection);
    FileSettingsBackend store(root.path(), application, section);
    const int runs = 400;

    std::printf("Settings store: one file per key, temp file + fdatasync + rename + directory fsync\n");
    report("floor: 100 bytes to a temp file, fsync, rename",
           measure(runs, [&](int i) { floorWrite(QFile::encodeName(root.path()), i); }));
    report("write one small value (an offset)",
           measure(runs, [&](int i) { store.write(QStringLiteral("TextReturnOffX"), QString::number(i)); }));
    const QString hundredK = bigText(100 * 1024);
    report("write the 100 KB import text",
           measure(runs / 4, [&](int i) { store.write(QStringLiteral("TextImport"), hundredK + QString::number(i)); }));

    // Keystrokes through the window, with a 3 MB import text stored.
    TestServices services;
    services.settingsOnDisk = &store;
    Form1 form(services.services());
    startAndShow(form);
    report("keystroke in an offset box, nothing large stored",
           measure(runs, [&](int) { QTest::keyClick(form.TextReturnOffX, Qt::Key_1); }));
    form.TextImport->setText(bigText(3 * 1024 * 1024));
    report("keystroke in an offset box, 3 MB import text stored",
           measure(runs, [&](int) { QTest::keyClick(form.TextReturnOffX, Qt::Key_2); }));
    // A long text comes on screen piece by piece, and takes keys once it is all there.
    while (form.TextImport->filling())
        QCoreApplication::processEvents();
    form.TextImport->setFocus();
    form.TextImport->moveCursor(QTextCursor::End);
    report("keystroke in the 3 MB import box", measure(40, [&](int) { QTest::keyClick(form.TextImport, Qt::Key_X); }));
    report("  the same, with the repaint that follows", measure(40, [&](int) {
               QTest::keyClick(form.TextImport, Qt::Key_X);
               QCoreApplication::processEvents();
           }));
    // The write lands off the window's thread: from the key to the stored
    // file ending with it.
    const QString importFile = store.pathOf(QStringLiteral("TextImport"));
    report("  keystroke to the stored file holding it", measure(20, [&](int i) {
               const char letter = char('a' + i % 26);
               QTest::keyClick(form.TextImport, Qt::Key(Qt::Key_A + i % 26));
               while (lastByteOf(importFile) != letter) {
                   QCoreApplication::processEvents();
                   QThread::usleep(200);
               }
           }));
    report("  closing the window just after a keystroke", measure(1, [&](int) {
               QTest::keyClick(form.TextImport, Qt::Key_Z);
               form.close();
           }));
    if (lastByteOf(importFile) != 'z')
        std::fprintf(stderr, "the last keystroke is not stored after closing\n");

    reportStartup("process start to window shown (offscreen)");
    const QString fiftyMB = bigText(50 * 1000 * 1000);
    reportStartup("  the same, a 50 MB import text stored", QStringLiteral("TextImport"), fiftyMB);
    reportStartup("  the same, a 50 MB value in an offset box", QStringLiteral("TextReturnOffX"), fiftyMB);
    return 0;
}
