// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/printer.h"

QPageLayout pageLayoutOrPlain(PageSource *pages, const Paper &paper, QPageLayout::Orientation orientation)
{
    QPageLayout layout(paper.size.value_or(QPageSize(QPageSize::A4)), orientation, {});
    if (PageAnswer asked; pages && pages->pageLayout(paper, orientation, asked).ok())
        layout = asked.layout;
    layout.setUnits(QPageLayout::Point);
    return layout;
}
