// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/logging.h"

Q_LOGGING_CATEGORY(lcCups, "quillon.cups", QtWarningMsg)
Q_LOGGING_CATEGORY(lcFiles, "quillon.files", QtWarningMsg)
Q_LOGGING_CATEGORY(lcContacts, "quillon.contacts", QtWarningMsg)
Q_LOGGING_CATEGORY(lcPrinting, "quillon.printing", QtWarningMsg)
