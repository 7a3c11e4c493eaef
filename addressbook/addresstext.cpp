// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/addresstext.h"

QList<QStringView> splitAt(QStringView text, QStringView delimiter)
{
    QList<QStringView> pieces;
    if (text.isEmpty())
        return pieces;
    if (delimiter.isEmpty()) {
        pieces.append(text);
        return pieces;
    }
    qsizetype from = 0;
    for (qsizetype at = text.indexOf(delimiter); at >= 0; at = text.indexOf(delimiter, from)) {
        pieces.append(text.sliced(from, at - from));
        from = at + delimiter.size();
    }
    pieces.append(text.sliced(from));
    return pieces;
}

QStringView trimSpaces(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == u' ')
        ++begin;
    while (end > begin && text[end - 1] == u' ')
        --end;
    return text.sliced(begin, end - begin);
}
