// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/addresstext.h"

#include <QStringTokenizer>

QList<QStringView> splitAt(QStringView text, QStringView delimiter)
{
    if (text.isEmpty())
        return {};
    if (delimiter.isEmpty())
        return {text};
    return QStringTokenizer(text, delimiter).toContainer();
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
