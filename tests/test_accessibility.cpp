// SPDX-License-Identifier: GPL-3.0-or-later
// The windows as a screen reader reads them: every control it can reach is
// named, no two alike; list entries read as addresses; questions default to No.
#include "addressbook/addresslistmodel.h"
#include "app/form1.h"
#include "fakes/testservices.h"
#include "platform/qt/qtmessagebox.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>
#include <QTimer>

namespace {

// What is read for a control: a label tied to it (not a panel around it),
// else its own name. Drop-down lists are named by their text on Linux.
QString announced(QAccessibleInterface *control)
{
    const QWidget *widget = qobject_cast<QWidget *>(control->object());
    for (const auto &[label, relation] : control->relations(QAccessible::Label)) {
        auto *labelWidget = qobject_cast<QWidget *>(label->object());
        if (!widget || !labelWidget || !labelWidget->isAncestorOf(widget))
            return label->text(QAccessible::Name);
    }
    return control->text(QAccessible::Name);
}

// What is on screen under `node`, `node` included.
QList<QAccessibleInterface *> shown(QAccessibleInterface *node)
{
    if (!node || node->state().invisible)
        return {};
    QList<QAccessibleInterface *> found{node};
    for (int i = 0; i < node->childCount(); ++i)
        found << shown(node->child(i));
    return found;
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void everyControlNamedOnce()
    {
        TestServices services;
        Form1 form(services.services());
        form.Form_Load();
        form.addToAddressBook({QStringLiteral("Ann Lee\r\n  \r\n1 Elm St\r\n"), QString()});
        form.addressBook()->setTicked(1, true); // "Ann Lee", after the empty entry
        form.show();
        form.FontSettingsM_Click();
        form.SaveMenuAs_Click();
        QVERIFY(QTest::qWaitForWindowExposed(&form));

        // Every window open now, so that dialogs are held to the same rule.
        int checked = 0;
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (!window->isVisible())
                continue;
            QStringList names;
            for (QAccessibleInterface *control : shown(QAccessible::queryAccessibleInterface(window))) {
                const QString name = announced(control);
                // A heading row is not read as one run of spaces.
                QVERIFY2(!name.contains(QStringLiteral("  ")), qPrintable(name));
                if (!control->state().focusable)
                    continue;
                QVERIFY2(!name.trimmed().isEmpty(), qPrintable(control->object() ? control->object()->objectName()
                                                                                  : control->text(QAccessible::Value)));
                // List entries may repeat; a box inside a control that takes
                // its focus shares the control's name.
                auto *widget = qobject_cast<QWidget *>(control->object());
                if (!widget || widget->focusProxy())
                    continue;
                QVERIFY2(!names.contains(name), qPrintable(name + QStringLiteral(" twice")));
                names << name;
                ++checked;
            }
        }
        QVERIFY(checked >= 30);

        // An entry reads as its lines, one after another, and says whether it is ticked.
        QAccessibleInterface *list = QAccessible::queryAccessibleInterface(form.List1);
        QCOMPARE(list->text(QAccessible::Name), QStringLiteral("Saved addresses"));
        QAccessibleInterface *blank = list->tableInterface()->cellAt(0, 0);
        QAccessibleInterface *ann = list->tableInterface()->cellAt(1, 0);
        QCOMPARE(ann->text(QAccessible::Name), QStringLiteral("Ann Lee, 1 Elm St"));
        QVERIFY(ann->state().checkable && ann->state().checked);
        QCOMPARE(ann->text(QAccessible::Description), QStringLiteral("Ticked"));
        QVERIFY(!blank->state().checked);
        QCOMPARE(blank->text(QAccessible::Description), QStringLiteral("Not ticked"));
    }

    void questionsReadOutAndDefaultToNo()
    {
        QtMessageBox messages;
        QStringList read;
        QTimer::singleShot(0, [&] {
            QWidget *box = QApplication::activeModalWidget();
            for (QAccessibleInterface *node : shown(QAccessible::queryAccessibleInterface(box)))
                read << node->text(QAccessible::Name);
            QTest::keyClick(box, Qt::Key_Return);
        });
        QVERIFY(!messages.askYesNo(QStringLiteral("Clear them?")));
        QVERIFY(read.contains(QStringLiteral("Clear them?")));
        QVERIFY(read.contains(QStringLiteral("Yes")) && read.contains(QStringLiteral("No")));
    }
};

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
