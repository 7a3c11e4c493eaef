// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/accessiblenames.h"

#include "app/addresslistview.h"
#include "app/addresstextbox.h"
#include "app/form1.h"
#include "app/headinglabel.h"
#include "app/sortedcombobox.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

namespace {

// A row of headings spaced out over several boxes ("From Addres:", then 75
// spaces, "To Address:", ...). Read as it stands it is one string with long
// runs of spaces, tied to no box; the boxes carry their own names, so the
// row is marked invisible to a screen reader (sighted users still see it).
class UntiedHeadingRow final : public QAccessibleWidget
{
public:
    explicit UntiedHeadingRow(HeadingLabel *label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.invisible = true;
        return state;
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return static_cast<const HeadingLabel *>(widget())->headings().join(u' ');
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface *untiedHeadingRows(const QString &className, QObject *object)
{
    auto *label = qobject_cast<HeadingLabel *>(object);
    if (className != QLatin1String("HeadingLabel") || !label || label->headingSlots().size() < 2)
        return nullptr;
    return new UntiedHeadingRow(label);
}

class AccessibleNames
{
    Q_DECLARE_TR_FUNCTIONS(AccessibleNames)

public:
    static void apply(Form1 &w);
};

void describe(QWidget *widget, const QString &name, const QString &description = {})
{
    widget->setAccessibleName(name);
    widget->setAccessibleDescription(description);
}

// The text box inside an editable drop-down list is listed to a screen
// reader as a control of its own; it carries the list's name too.
void describe(SortedComboBox *combo, const QString &name, const QString &description)
{
    describe(static_cast<QWidget *>(combo), name, description);
    describe(combo->lineEdit(), name, description);
}

void AccessibleNames::apply(Form1 &w)
{
    // Main panel
    describe(w.TextReturn, tr("Return address"), tr("Printed as the envelope's return address block"));
    describe(w.TextToAddress, tr("To address"), tr("Printed as the envelope's to-address block"));
    describe(w.List1, tr("Saved addresses"),
             tr("Clicking an address copies it into the To address box; ticked addresses are printed or "
                "cleared by the buttons below"));
    const QString fromLeft = tr("Centimetres from the left edge of the printable area");
    const QString fromTop = tr("Centimetres from the top of the printable area to the first line");
    describe(w.TextReturnOffX, tr("Return address X offset (cm)"), fromLeft);
    describe(w.TextReturnOffY, tr("Return address Y offset (cm)"), fromTop);
    describe(w.TextAddressToOffX, tr("To address X offset (cm)"), fromLeft);
    describe(w.TextAddressToOffY, tr("To address Y offset (cm)"), fromTop);
    // The buttons are named by their captions; a few captions say little
    // on their own.
    w.CommandKeepToAddress->setAccessibleDescription(tr("Adds the To address to the saved addresses"));
    w.CommandPrint->setAccessibleDescription(tr("Prints one envelope on the default printer"));
    w.CommandClear->setAccessibleDescription(tr("Empties the Return address and To address boxes"));
    w.CommandSelectAll->setAccessibleDescription(tr("Ticks every saved address"));
    w.CommandClearData->setAccessibleDescription(tr("Removes the ticked saved addresses"));
    w.CommandPrintAll->setAccessibleDescription(tr("Prints one envelope for each ticked saved address"));

    // Importer panel
    describe(w.TextImport, tr("Text to import"),
             tr("Import Addresses splits this text into addresses at the line and address delimiters"));
    describe(w.ComboLine, tr("Line delimiter"), tr("What separates the lines of one address"));
    describe(w.TextLineD, tr("Other line delimiter"), tr("Used when the line delimiter is -Other-"));
    describe(w.ComboAddress, tr("Address delimiter"), tr("What separates one address from the next"));
    describe(w.TextAddressD, tr("Other address delimiter"), tr("Used when the address delimiter is -Other-"));
    w.CommandClearImport->setAccessibleDescription(tr("Empties the text to import"));
    // A drop-down list is read by its label and then its text (the name
    // above stays on the box inside it). The two "Specify:" labels are left
    // untied: a label is read in place of a box's own name.
    w.Label1->setBuddy(w.ComboLine);
    w.Label4->setBuddy(w.ComboAddress);

    // Font panel
    const QString onScreen = tr("Takes effect on screen at once");
    const QString onPaper = tr("Used for the next envelope printed");
    describe(w.TextReturnDisplayFontSite, tr("Return address display font size (points)"), onScreen);
    describe(w.TextReturnDisplayFontType, tr("Return address display font"), onScreen);
    describe(w.TextReturnPrintFontSize, tr("Return address print font size (points)"), onPaper);
    describe(w.TextReturnPrintFonttype, tr("Return address print font"), onPaper);
    describe(w.TextToAddressDisplaySize, tr("To address display font size (points)"), onScreen);
    describe(w.TextToAddressDisplayType, tr("To address display font"), onScreen);
    describe(w.TextToAddressPrintFontSize, tr("To address print font size (points)"), onPaper);
    describe(w.TextToAddressPrintFontType, tr("To address print font"), onPaper);
    w.CommandDefaultSettings->setAccessibleDescription(tr("Sets all eight font fields to Verdana 12"));

    // Save-as panel
    describe(w.Text1, tr("Address book file name"), tr("The full path of the file"));
}

} // namespace

void nameForScreenReaders(Form1 &window)
{
    static const bool installed = (QAccessible::installFactory(untiedHeadingRows), true);
    Q_UNUSED(installed);
    AccessibleNames::apply(window);
    // A label announces itself while it is being made, before it is a
    // HeadingLabel, and its interface is kept from then on: drop those, so
    // that the next reader gets the heading row's own.
    for (HeadingLabel *label : window.findChildren<HeadingLabel *>()) {
        if (QAccessibleInterface *made = QAccessible::queryAccessibleInterface(label))
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    }
}
