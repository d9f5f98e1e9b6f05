#pragma once
// Expected messages after the value of an input fact is asked for during inference, shared by
// the tests of the value entry and of the runs that ask.

#include <QString>

namespace tremida::test {

// A value (of a single-valued fact) was assigned.
inline const QString A1 =
    QStringLiteral("Została przypisana wartość do faktu. Proces wnioskowania będzie kontynuowany.");
// A value or values of an enumerated fact were assigned.
inline const QString A2 =
    QStringLiteral("Została przypisana wartość (wartości) do faktu. Proces wnioskowania będzie kontynuowany.");
// The user left the question without a value.
inline const QString N = QStringLiteral("Nadal nie przypisałeś żadnej wartości do faktu. Proces wnioskowania będzie "
                                        "kontynuowany,\n\rjednak reguły mające ten fakt w polu przesłankowym mogą nie "
                                        "zostać \"odpalone\".");

} // namespace tremida::test
