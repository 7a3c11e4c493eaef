// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTest>

// One row of a data-driven test: its name, then a value for each column.
template <typename... Values>
void dataRow(const char *name, const Values &...values)
{
    (QTest::newRow(name) << ... << values);
}
