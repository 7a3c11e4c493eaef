// SPDX-License-Identifier: GPL-3.0-or-later
#include "importer/importparser.h"

#include "addressbook/addresstext.h"

#include <utility>

namespace {

class Parser
{
public:
    Parser(const ProcessEvents &processEvents, const StopRequested &stop) : m_processEvents(processEvents), m_stop(stop)
    {}

    // False once the caller asked to stop.
    bool runEvents()
    {
        if (m_processEvents)
            m_processEvents();
        return !(m_stop && m_stop());
    }

    void appendLine(QStringView line)
    {
        m_address += line;
        m_address += kCrLf;
    }

    void finishAddress()
    {
        if (!m_address.isEmpty())
            m_result.addresses.append(std::exchange(m_address, QString()));
    }

    ImportResult stopped()
    {
        m_result.status = ImportStatus::Stopped;
        return std::move(m_result);
    }

    ImportResult done() { return std::move(m_result); }

private:
    const ProcessEvents &m_processEvents;
    const StopRequested &m_stop;
    QString m_address; // the address being built
    ImportResult m_result;
};

} // namespace

ImportResult parseImport(QStringView text, const LineDelimiterSource &lineDelimiter, const AddressSplit &split,
                         const ProcessEvents &processEvents, const StopRequested &stop)
{
    if (trimSpaces(text).isEmpty())
        return {ImportStatus::NothingToImport, {}};

    Parser parser(processEvents, stop);
    if (split.mode == AddressMode::BlankLine) {
        const QString delimiter = lineDelimiter();
        for (QStringView piece : splitAt(text, delimiter)) {
            if (!parser.runEvents())
                return parser.stopped();
            const QStringView line = trimSpaces(piece);
            if (line.isEmpty())
                parser.finishAddress(); // runs of blank lines end one address only
            else
                parser.appendLine(line);
        }
        parser.finishAddress();
        return parser.done();
    }

    for (QStringView addressPiece : splitAt(text, split.delimiter)) {
        if (!parser.runEvents())
            return parser.stopped();
        const QString delimiter = lineDelimiter();
        for (QStringView linePiece : splitAt(addressPiece, delimiter)) {
            if (!parser.runEvents())
                return parser.stopped();
            // The test is on the untrimmed piece: an all-space piece keeps
            // its place as an empty line, an empty piece adds nothing.
            if (!linePiece.isEmpty())
                parser.appendLine(trimSpaces(linePiece));
        }
        parser.finishAddress();
    }
    return parser.done();
}
