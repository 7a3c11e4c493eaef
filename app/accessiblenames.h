// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class Form1;

// Gives every control of the window the name (and, where it helps, the
// description) a screen reader reads out for it, and keeps the heading rows
// that belong to no single box out of what it reads. Visible texts and the
// layout stay as they are.
void nameForScreenReaders(Form1 &window);
