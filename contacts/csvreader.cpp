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
            field += m_text.sliced(from, m_at - from);
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
            field += piece;
            m_at = quote + 1;
            if (m_at < m_text.size() && m_text[m_at] == u'"') {
                field += u'"';
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

CsvTable readCsv(QStringView text, const ReadProgress &progress)
{
    return CsvParser(text).read(progress);
}
