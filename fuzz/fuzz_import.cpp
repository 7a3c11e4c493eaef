// SPDX-License-Identifier: GPL-3.0-or-later
// The import parser in every delimiter mode, with events that change the
// line delimiter mid-parse and a stop that comes at a chosen moment.
#include "addressbook/addresstext.h"
#include "importer/importparser.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cstdlib>

namespace {

QString consumeText(FuzzedDataProvider &data, size_t maxChars)
{
    const std::string bytes = data.ConsumeRandomLengthString(maxChars * 2);
    return QString(reinterpret_cast<const QChar *>(bytes.data()), qsizetype(bytes.size() / 2));
}

// A choice as the delimiter lists offer it, in any letter case, or typed.
QString consumeChoice(FuzzedDataProvider &data)
{
    static const std::array<QStringView, 5> kChoices{kLineBreakToken, kBlankLineToken, kTabToken, kOtherToken, u"|"};
    switch (data.ConsumeIntegralInRange(0, 2)) {
    case 0: return kChoices[data.ConsumeIntegralInRange<size_t>(0, kChoices.size() - 1)].toString();
    case 1: return kChoices[data.ConsumeIntegralInRange<size_t>(0, kChoices.size() - 1)].toString().toLower();
    default: return consumeText(data, 8);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size)
{
    FuzzedDataProvider data(bytes, size);
    const QString lineChoices[2] = {consumeChoice(data), consumeChoice(data)};
    const QString lineCustom = consumeText(data, 8);
    const AddressSplit split = addressSplitFor(consumeChoice(data), consumeText(data, 8));
    const int switchAt = data.ConsumeIntegralInRange(0, 64);
    const int stopAt = data.ConsumeIntegralInRange(0, 256);
    const QString text = consumeText(data, size);

    int events = 0;
    bool stopAnswered = false;
    const ImportResult result = parseImport(
        text,
        // The user may pick another line delimiter while events run.
        [&] { return lineDelimiterFor(lineChoices[events >= switchAt], lineCustom); }, split, [&] { ++events; },
        [&] { return stopAnswered = stopAt > 0 && events >= stopAt; });

    const bool nothing = trimSpaces(text).isEmpty();
    if ((result.status == ImportStatus::NothingToImport) != nothing
        || (result.status == ImportStatus::Stopped) != stopAnswered)
        std::abort();
    for (const QString &address : result.addresses) {
        if (!address.endsWith(kCrLf) || address.startsWith(u' '))
            std::abort();
    }
    return 0;
}
