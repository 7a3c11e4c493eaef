// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

// The window icon: a stack of white pages with grey text lines and a
// turned-down corner, drawn at 16, 32 and 48 pixels.
QIcon quillonIcon();
