// SPDX-License-Identifier: GPL-3.0-or-later
#include "contacts/csvreader.h"

#include "contacts/contacttexts.h"

namespace {

bool isLineBreak(QChar c)
{
    return c == u'\r' || c == u'\n';
}

QChar separatorOf(QStringView text)
{
    int counts[3] = {};
    const QChar candidates[3] = {u',', u';', u'\t'};
    bool quoted = false;
    for (const QChar c : text) {
        if (c == u'"')
            quoted = !quoted;
        else if (!quoted && isLineBreak(c))
            break;
        for (int i = 0; i < 3; ++i)
            counts[i] += !quoted && c == candidates[i];
    }
    int best = 0;
    for (int i = 1; i < 3; ++i) {
        if (counts[i] > counts[best])
            best = i;
    }
    return candidates[best];
}

class CsvParser
{
public:
    explicit CsvParser(QStringView text) : m_text(text) {}

    CsvTable read(const ReadProgress &progress)
    {
        skipBlankLines();
        // A spreadsheet's hint that names the separator: "sep=;".
        const QStringView rest = m_text.sliced(m_at);
        if (rest.size() >= 5 && rest.startsWith(u"sep=", Qt::CaseInsensitive)
            && (rest.size() == 5 || isLineBreak(rest[5]))) {
            m_table.separator = rest[4];
            m_at += 5;
            endLine();
        } else {
            m_table.separator = separatorOf(rest);
        }
        while (true) {
            if (progress && m_table.records.size() % 256 == 0 && !progress(m_at, m_text.size())) {
                m_table.cancelled = true;
                break;
            }
            skipBlankLines();
            if (m_at >= m_text.size())
                break;
            const int line = m_line;
            QStringList record;
            if (!readRecord(record))
                break;
            m_table.records.append(std::move(record));
            m_table.lines.append(line);
        }
        return std::move(m_table);
    }

private:
    void skipBlankLines()
    {
        while (m_at < m_text.size() && isLineBreak(m_text[m_at]))
            endLine();
    }

    // Past one line break (CR LF, LF or CR).
    void endLine()
    {
        m_at = pastLineBreak(m_text, m_at);
        ++m_line;
    }

    void countLines(QStringView text)
    {
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text[i] == u'\n' || (text[i] == u'\r' && (i + 1 == text.size() || text[i + 1] != u'\n')))
                ++m_line;
        }
    }

    // Text beyond a field's bound is passed over, but the bound is known
    // to have been passed.
    static void append(QString &field, QStringView text)
    {
        field += text.first(std::min(text.size(), std::max<qsizetype>(0, kLongestValue + 1 - field.size())));
    }

    bool readRecord(QStringList &record)
    {
        const QChar separator = m_table.separator;
        while (true) {
            QString field;
            if (m_at < m_text.size() && m_text[m_at] == u'"' && !readQuoted(field))
                return false;
            // Unquoted text, or what follows a closing quote (taken as it is).
            const qsizetype from = m_at;
            while (m_at < m_text.size() && m_text[m_at] != separator && !isLineBreak(m_text[m_at]))
                ++m_at;
            append(field, m_text.sliced(from, m_at - from));
            if (field.size() > kLongestValue) {
                field.truncate(kLongestValue);
                ++m_table.cut;
            }
            if (field.startsWith(u'\'') && markedOrFormula(QStringView(field).sliced(1)))
                field.remove(0, 1);
            record.append(std::move(field));
            if (m_at < m_text.size() && m_text[m_at] == separator) {
                ++m_at;
                continue;
            }
            if (m_at < m_text.size())
                endLine();
            return true;
        }
    }

    bool readQuoted(QString &field)
    {
        const int opened = m_line;
        ++m_at;
        while (true) {
            const qsizetype quote = m_text.indexOf(u'"', m_at);
            if (quote < 0) {
                m_table.stoppedAt = opened;
                m_table.problem = ContactTexts::quoteNeverCloses();
                return false;
            }
            const QStringView piece = m_text.sliced(m_at, quote - m_at);
            countLines(piece);
            append(field, piece);
            m_at = quote + 1;
            if (m_at < m_text.size() && m_text[m_at] == u'"') {
                append(field, u"\"");
                ++m_at;
                continue;
            }
            return true;
        }
    }

    QStringView m_text;
    qsizetype m_at = 0;
    int m_line = 1;
    CsvTable m_table;
};

} // namespace

bool looksLikeFormula(QStringView cell)
{
    return !cell.isEmpty()
        && (cell[0] == u'=' || cell[0] == u'+' || cell[0] == u'-' || cell[0] == u'@' || cell[0] == u'\t'
            || cell[0] == u'\r');
}

bool markedOrFormula(QStringView cell)
{
    qsizetype marks = 0;
    while (marks < cell.size() && cell[marks] == u'\'')
        ++marks;
    return looksLikeFormula(cell.sliced(marks));
}

CsvTable readCsv(QStringView text, const ReadProgress &progress)
{
    return CsvParser(text).read(progress);
}
