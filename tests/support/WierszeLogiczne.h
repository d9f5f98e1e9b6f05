#pragma once
// The table of a test whose cases differ in one yes/no choice: one boolean column and a named
// row for each value, in the order given.

#include <QTest>

#include <initializer_list>
#include <utility>

namespace tremida::test {

inline void wierszeLogiczne(const char *kolumna, std::initializer_list<std::pair<const char *, bool>> wiersze)
{
    QTest::addColumn<bool>(kolumna);
    for (const auto &[nazwa, wartosc] : wiersze)
        QTest::newRow(nazwa) << wartosc;
}

} // namespace tremida::test
