// SPDX-License-Identifier: GPL-3.0-or-later
// The windows as a screen reader reads them: every control it can reach is
// named, no two alike; list entries read as addresses; questions default to No.
#include "addressbook/addresslistmodel.h"
#include "app/form1.h"
#include "app/sortedcombobox.h"
#include "fakes/testservices.h"
#include "platform/qt/qtmessagebox.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>
#include <QTimer>

namespace {

// What is read for a control: a label tied to it (not a panel around it),
// else its name; over AT-SPI a drop-down list's name is its text.
QString announced(QAccessibleInterface *control)
{
    auto *widget = qobject_cast<QWidget *>(control->object());
    for (const auto &[label, relation] : control->relations(QAccessible::Label))
        if (!widget || !qobject_cast<QWidget *>(label->object())->isAncestorOf(widget))
            return label->text(QAccessible::Name);
    return control->text(control->role() == QAccessible::ComboBox ? QAccessible::Value : QAccessible::Name);
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
        form.ComboLine->setText(QString()); // named by its label, whatever it holds
        form.addToAddressBook({QStringLiteral("Ann Lee\r\n  \r\n1 Elm St\r\n"), QString()});
        form.addressBook()->setTicked(1, true); // "Ann Lee", after the empty entry
        form.show();
        form.FontSettingsM_Click();
        form.SaveMenuAs_Click();

        // Every window open now, so that later windows are held to the same rule.
        QStringList names;
        for (QWidget *window : QApplication::topLevelWidgets())
            for (QAccessibleInterface *node : shown(QAccessible::queryAccessibleInterface(window))) {
                const QString name = announced(node);
                QVERIFY2(!name.contains(QStringLiteral("  ")), qPrintable(name)); // a heading row's spaces
                if (node->role() == QAccessible::Grouping)
                    names << name; // a box is not named after its panel
                if (!node->state().focusable)
                    continue;
                QVERIFY2(!name.trimmed().isEmpty(), qPrintable(node->object() ? node->object()->objectName() : name));
                // List entries may repeat; a box inside a control that takes its focus shares its name.
                auto *widget = qobject_cast<QWidget *>(node->object());
                if (!widget || widget->focusProxy())
                    continue;
                QVERIFY2(!names.contains(name), qPrintable(name + QStringLiteral(" twice")));
                names << name;
            }
        QVERIFY(names.size() >= 30);

        // An entry reads as its lines, one after another, and says whether it is ticked.
        QAccessibleTableInterface *list = QAccessible::queryAccessibleInterface(form.List1)->tableInterface();
        QAccessibleInterface *blank = list->cellAt(0, 0), *ann = list->cellAt(1, 0);
        QCOMPARE(ann->text(QAccessible::Name), QStringLiteral("Ann Lee, 1 Elm St"));
        QVERIFY(ann->state().checkable && ann->state().checked && !blank->state().checked);
        QCOMPARE(ann->text(QAccessible::Description) + u'/' + blank->text(QAccessible::Description),
                 QStringLiteral("Ticked/Not ticked"));
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
        QVERIFY(read.contains(QStringLiteral("Clear them?")) && read.contains(QStringLiteral("Yes"))
                && read.contains(QStringLiteral("No")));
    }
};

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
