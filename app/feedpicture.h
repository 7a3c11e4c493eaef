// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printing/feeddirection.h"

#include <QWidget>

// The envelope going into the printer, drawn from above: the printer's
// slot at the top, the leading edge against it, the stamp corner and the
// return address where they lie, and the flap when the address side faces
// down (the front's marks then dashed, as seen through).
class FeedPicture final : public QWidget
{
    Q_OBJECT

public:
    explicit FeedPicture(QWidget *parent = nullptr);

    // Draws `feed`; `words` is what a screen reader says for the picture.
    void showFeed(const FeedLayout &feed, const QString &words);
    const FeedLayout &feed() const { return m_feed; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    FeedLayout m_feed;
};
