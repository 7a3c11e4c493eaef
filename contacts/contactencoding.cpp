// SPDX-License-Identifier: GPL-3.0-or-later
#include "contacts/contactencoding.h"

#include "addressbook/bookcodec.h"

#include <QStringDecoder>

namespace {

QString decodeUtf16(QByteArrayView bytes, QStringConverter::Encoding encoding)
{
    QStringDecoder decoder(encoding);
    return decoder(bytes);
}

} // namespace

QString decodeContactText(QByteArrayView bytes)
{
    if (bytes.startsWith("\xFF\xFE"))
        return decodeUtf16(bytes.sliced(2), QStringConverter::Utf16LE);
    if (bytes.startsWith("\xFE\xFF"))
        return decodeUtf16(bytes.sliced(2), QStringConverter::Utf16BE);
    // Without a mark: text that starts with two ASCII characters has a zero
    // byte beside each, which neither UTF-8 nor Windows-1252 text has.
    if (bytes.size() >= 4 && bytes.size() % 2 == 0) {
        const auto at = [&bytes](int i) { return bytes[i]; };
        if (at(0) != 0 && at(1) == 0 && at(2) != 0 && at(3) == 0)
            return decodeUtf16(bytes, QStringConverter::Utf16LE);
        if (at(0) == 0 && at(1) != 0 && at(2) == 0 && at(3) != 0)
            return decodeUtf16(bytes, QStringConverter::Utf16BE);
    }
    return decodeBookText(bytes);
}

QString decodeCharset(QByteArrayView bytes, QStringView charset)
{
    const QString name = charset.trimmed().toString().toLower();
    if (name.isEmpty())
        return decodeContactText(bytes);
    if (name == u"utf-8" || name == u"utf8")
        return bytes.isValidUtf8() ? QString::fromUtf8(bytes) : decodeWindows1252(bytes);
    // Windows writes ISO-8859-1 and ASCII for what is Windows-1252, its superset.
    for (const char16_t *western : {u"windows-1252", u"cp1252", u"iso-8859-1", u"iso8859-1", u"latin1", u"us-ascii"}) {
        if (name == western)
            return decodeWindows1252(bytes);
    }
    QStringDecoder decoder(name.toLatin1().constData());
    if (decoder.isValid()) {
        QString text = decoder(bytes);
        if (!decoder.hasError())
            return text;
    }
    return decodeContactText(bytes);
}
