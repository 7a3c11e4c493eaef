// SPDX-License-Identifier: GPL-3.0-or-later
// The catalogues: every text translated, with the placeholders, access
// keys, line breaks and edge spaces of its source, which the code that
// fills and joins the texts relies on.
#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <QTest>
#include <QXmlStreamReader>

namespace {

struct Message
{
    QString context, source;
    QStringList translations; // one, or each plural form
    bool finished = true;
};

QList<Message> readCatalogue(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<Message> messages;
    QString context;
    bool numerus = false;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"message") {
            messages.append({context, {}, {}});
            numerus = xml.attributes().value(QStringLiteral("numerus")) == u"yes";
        } else if (xml.name() == u"source" && !messages.isEmpty()) {
            messages.last().source = xml.readElementText();
        } else if (xml.name() == u"translation" && !messages.isEmpty()) {
            messages.last().finished = xml.attributes().value(QStringLiteral("type")).isEmpty();
            if (!numerus)
                messages.last().translations << xml.readElementText();
        } else if (xml.name() == u"numerusform" && !messages.isEmpty()) {
            messages.last().translations << xml.readElementText();
        }
    }
    return xml.hasError() ? QList<Message>{} : messages;
}

// What a translation must keep of its source.
QStringList shape(const QString &text)
{
    QStringList placeholders;
    for (const QRegularExpressionMatch &match : QRegularExpression(QStringLiteral("%(\\d)")).globalMatch(text))
        placeholders << match.captured(1);
    placeholders.sort();
    const qsizetype accessKeys = QString(text).remove(QStringLiteral("&&")).count(u'&');
    return {placeholders.join(u','), QString::number(accessKeys), QString::number(text.count(u'\n')),
            QString::number(text.startsWith(u' ')), QString::number(text.endsWith(u' '))};
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void everyTextTranslatedInShape_data()
    {
        QTest::addColumn<QString>("language");
        for (const char *language : {"de", "fr", "es", "it"})
            QTest::newRow(language) << QString::fromLatin1(language);
    }
    void everyTextTranslatedInShape()
    {
        QFETCH(QString, language);
        const QList<Message> messages =
            readCatalogue(QStringLiteral(QUILLON_TRANSLATIONS_DIR "/quillon_%1.ts").arg(language));
        QVERIFY(messages.size() > 300);
        QStringList wrong;
        for (const Message &message : messages) {
            bool inShape = message.finished && !message.translations.isEmpty();
            for (const QString &translation : message.translations)
                inShape = inShape && !translation.isEmpty() && shape(translation) == shape(message.source);
            if (!inShape)
                wrong << message.context + QStringLiteral(": ") + message.source;
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(u'\n')));
    }
};

QTEST_APPLESS_MAIN(TestTranslations)
#include "test_translations.moc"
