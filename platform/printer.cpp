// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/printer.h"

PageAnswer pageOrPlain(PageSource *pages, const Paper &paper, QPageLayout::Orientation orientation)
{
    PageAnswer answer{{}, QPageLayout(paper.size.value_or(QPageSize(QPageSize::A4)), orientation, {}), {}};
    if (pages) {
        if (PageAnswer asked = pages->pageLayout(paper, orientation); asked.status.ok())
            answer = std::move(asked);
    }
    answer.layout.setUnits(QPageLayout::Point);
    return answer;
}
