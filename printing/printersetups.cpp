// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/printersetups.h"

#include <QRegularExpression>

#include <QStringDecoder>
#include <algorithm>

namespace {

const QString kVersion = QStringLiteral("1");
const QString kVersionWithFace = QStringLiteral("2");
constexpr qsizetype kFields = 10;
const QString kFaceUp = QStringLiteral("up");
const QString kFaceDown = QStringLiteral("down");

QString encoded(const QString &text)
{
    return QString::fromLatin1(text.toUtf8().toPercentEncoding());
}

// The text of a field as written, or nothing when it is not one.
std::optional<QString> decoded(QStringView field)
{
    static const QRegularExpression wellFormed(QStringLiteral("^([A-Za-z0-9._~-]|%[0-9A-Fa-f]{2})*$"));
    if (!wellFormed.match(field).hasMatch())
        return std::nullopt;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(QByteArray::fromPercentEncoding(field.toLatin1()));
    if (utf8.hasError())
        return std::nullopt;
    return text;
}

std::optional<EnvelopeSetup> readLine(QStringView line)
{
    const QList<QStringView> fields = line.split(u'\t');
    const bool withFace = !fields.isEmpty() && fields[0] == kVersionWithFace;
    if (fields.size() != kFields + (withFace ? 1 : 0) || (fields[0] != kVersion && !withFace))
        return std::nullopt;
    QStringList texts;
    for (QStringView field : fields.sliced(1)) {
        const std::optional<QString> text = decoded(field);
        if (!text)
            return std::nullopt;
        texts << *text;
    }
    if (texts[6] != u"0" && texts[6] != u"1")
        return std::nullopt;
    if (withFace && texts[9] != kFaceUp && texts[9] != kFaceDown)
        return std::nullopt;
    return EnvelopeSetup{
        texts[1],         texts[2], texts[3], texts[4], texts[5],
        texts[6] == u"1", texts[0], texts[7], texts[8], withFace ? faceOf(texts[9]) : EnvelopeFace::Up};
}

} // namespace

PrinterSetups readPrinterSetups(const QString &stored)
{
    PrinterSetups setups;
    for (QStringView line : QStringView(stored).split(u'\n', Qt::SkipEmptyParts)) {
        if (const std::optional<EnvelopeSetup> setup = readLine(line))
            setups.byPrinter.insert(setup->printer, *setup);
        else
            setups.unreadable << line.toString();
    }
    return setups;
}

QString writePrinterSetups(const PrinterSetups &setups)
{
    QStringList lines;
    for (auto it = setups.byPrinter.cbegin(); it != setups.byPrinter.cend(); ++it) {
        const EnvelopeSetup &setup = it.value();
        const bool down = setup.face == EnvelopeFace::Down;
        QStringList fields{down ? kVersionWithFace : kVersion};
        for (const QString &text :
             {it.key(), setup.size, setup.widthMM, setup.heightMM, setup.shiftXMM, setup.shiftYMM,
              setup.turned ? QStringLiteral("1") : QStringLiteral("0"), setup.tray, setup.paperType})
            fields << encoded(text);
        if (down)
            fields << faceText(setup.face);
        lines << fields.join(u'\t');
    }
    lines += setups.unreadable;
    return lines.isEmpty() ? QString() : lines.join(u'\n') + u'\n';
}

std::array<std::pair<Setting, QString>, 9> perPrinterFields(const EnvelopeSetup &setup)
{
    return {{
        {Setting::EnvelopeSize, setup.size},
        {Setting::EnvelopeWidthMM, setup.widthMM},
        {Setting::EnvelopeHeightMM, setup.heightMM},
        {Setting::ShiftXMM, setup.shiftXMM},
        {Setting::ShiftYMM, setup.shiftYMM},
        {Setting::Rotate180, setup.turned ? QStringLiteral("1") : QStringLiteral("0")},
        {Setting::EnvelopeTray, setup.tray},
        {Setting::EnvelopePaperType, setup.paperType},
        {Setting::EnvelopeFace, faceText(setup.face)},
    }};
}

bool keptPerPrinter(Setting setting)
{
    const auto fields = perPrinterFields({});
    return std::any_of(fields.begin(), fields.end(), [setting](const auto &field) { return field.first == setting; });
}

QString faceText(EnvelopeFace face)
{
    return face == EnvelopeFace::Down ? kFaceDown : kFaceUp;
}

EnvelopeFace faceOf(QStringView text)
{
    return text == kFaceDown ? EnvelopeFace::Down : EnvelopeFace::Up;
}
