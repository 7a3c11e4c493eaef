// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/focusringstyle.h"
#include "app/form1.h"
#include "app/icon.h"
#include "app/translations.h"
#include "platform/clock.h"
#include "platform/filesettingsbackend.h"
#include "platform/qt/cupsprinttarget.h"
#include "platform/qt/desktopshell.h"
#include "platform/qt/qtappcontrol.h"
#include "platform/qt/qteventpump.h"
#include "platform/qt/qtmessagebox.h"
#include "platform/qt/qtprinter.h"
#include "settings/settingkeys.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLocale>
#include <QStandardPaths>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setStyle(new FocusRingStyle);
    // Before anything that makes a text the user may see.
    installTranslations(application, QLocale::system());
    QApplication::setApplicationName(QStringLiteral("Quillon"));
    QApplication::setApplicationVersion(QStringLiteral(QUILLON_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("org.example.Quillon"));
    QApplication::setWindowIcon(quillonIcon());

    // A contacts file named here (a file manager's "Open with", a contacts
    // program's export) goes to the review once the window is up.
    QCommandLineParser arguments;
    arguments.setApplicationDescription(QCoreApplication::translate("main",
                                                                    "Prints envelopes from typed addresses "
                                                                    "or an address book."));
    arguments.addHelpOption();
    arguments.addVersionOption();
    arguments.addPositionalArgument(
        QStringLiteral("file"),
        QCoreApplication::translate("main", "Contacts files (vCard or CSV) to review and add to the address book."),
        QStringLiteral("[file...]"));
    arguments.process(application);
    // The window ends the program itself, at once, when it is closed.
    QApplication::setQuitOnLastWindowClosed(false);

    FileSettingsBackend settings(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation),
                                 QString::fromLatin1(kSettingsApplication), QString::fromLatin1(kSettingsSection));
    QtMessageBox messages;
    DesktopShell shell;
    QtEventPump events;
    SteadyClock clock;
    QtAppControl control;
    CupsDefaultPrinter defaultPrinter;
    QtPrinter printer(defaultPrinter);

    Form1 window(Form1Services{settings, messages, shell, events, clock, control, printer,
                               QApplication::applicationDirPath(),
                               QStandardPaths::writableLocation(QStandardPaths::AppDataLocation), &defaultPrinter});
    messages.setParentWindow(&window);
    window.Form_Load();
    if (window.ending())
        return 0;
    window.show();
    if (const QStringList files = arguments.positionalArguments(); !files.isEmpty())
        QTimer::singleShot(0, &window, [&window, files] { window.importContacts(files); });
    return application.exec();
}
