// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/printer.h"

PageAnswer pageOrPlain(PageSource *pages, const Paper &paper, QPageLayout::Orientation orientation)
{
    PageAnswer answer{QPageLayout(paper.size.value_or(QPageSize(QPageSize::A4)), orientation, {}), {}};
    if (PageAnswer asked; pages && pages->pageLayout(paper, orientation, asked).ok())
        answer = asked;
    answer.layout.setUnits(QPageLayout::Point);
    return answer;
}
