// SPDX-License-Identifier: GPL-3.0-or-later
#include "contacts/vcardvalue.h"

QList<QStringView> splitComponents(QStringView value, QChar separator)
{
    QList<QStringView> parts;
    qsizetype from = 0;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] == u'\\')
            ++i;
        else if (value[i] == separator) {
            parts << value.sliced(from, i - from);
            from = i + 1;
        }
    }
    parts << value.sliced(std::min(from, value.size()));
    return parts;
}

QString unescapeValue(QStringView value)
{
    if (!value.contains(u'\\'))
        return value.toString();
    QString text;
    text.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c != u'\\' || i + 1 == value.size()) {
            text += c;
            continue;
        }
        const QChar next = value[++i];
        if (next == u'n' || next == u'N')
            text += u'\n';
        else if (next == u'\\' || next == u',' || next == u';' || next == u':')
            text += next;
        else
            text += c, text += next;
    }
    return text;
}

QString escapeValue(QStringView text)
{
    QString value;
    value.reserve(text.size() + 8);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\\' || c == u',' || c == u';')
            value += u'\\', value += c;
        else if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            continue; // the LF that follows writes the line break
        else if (c == u'\r' || c == u'\n')
            value += QStringLiteral("\\n");
        else
            value += c;
    }
    return value;
}
