// SPDX-License-Identifier: GPL-3.0-or-later
// The settings value codec: a value file that decodes is exactly the file
// its value encodes to, and any text value comes back unchanged.
#include "platform/filesettingsbackend.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    if (const std::optional<QString> value = FileSettingsBackend::decodeValue(bytes)) {
        if (FileSettingsBackend::encodeValue(*value) != bytes)
            std::abort();
    }

    // The same bytes as a value typed by the user (valid UTF-16 only: the
    // window cannot produce a lone surrogate).
    const QString typed = QString::fromUtf8(bytes);
    if (FileSettingsBackend::decodeValue(FileSettingsBackend::encodeValue(typed)) != typed)
        std::abort();
    return 0;
}
