#include "NaglowkiKolumn.h"

namespace tremida {

QStringList naglowkiKolumnSyst()
{
    return {QStringLiteral("Kod systemu"), QStringLiteral("Nazwa systemu eksperckiego (bazy wiedzy)"),
            QStringLiteral("Opis systemu"), QStringLiteral("Data wygenerowania rekordu")};
}

QStringList naglowkiKolumnFakt()
{
    return {QStringLiteral("Kod faktu"),
            QStringLiteral("Kod systemu"),
            QStringLiteral("Nazwa faktu"),
            QStringLiteral("Rodzaj faktu"),
            QStringLiteral("Typ faktu"),
            QStringLiteral("Jednostka wartości faktu"),
            QStringLiteral("Czy fakt wielowartościowy?"),
            QStringLiteral("Liczba wartości faktu"),
            QStringLiteral("Opis faktu"),
            QStringLiteral("Pytanie o wartość faktu"),
            QStringLiteral("Wartość faktu na koniec danej iteracji"),
            QStringLiteral("Wartość faktu na koniec poprzedniej iteracji"),
            QStringLiteral("CF wartości faktu na koniec danej iteracji"),
            QStringLiteral("CF wartości faktu na koniec poprzedniej iteracji"),
            QStringLiteral("Data wygenerowania rekordu")};
}

QStringList naglowkiKolumnTraj()
{
    return {QStringLiteral("Kod kroku trajektorii wnioskowania"),
            QStringLiteral("Kod systemu"),
            QStringLiteral("Kod reguły analizowanej w danym kroku"),
            QStringLiteral("Poziom analizowanych reguł w danym kroku"),
            QStringLiteral("Numer iteracji na danym poziomie reguł w danym kroku"),
            QStringLiteral("Kierunek wnioskowania w danym kroku"),
            QStringLiteral("Czy analizowana reguła została \"odpalona\"?"),
            QStringLiteral("CF konkluzji analizowanej i \"odpalonej\" reguły"),
            QStringLiteral("Przyczyna \"nieodpalenia\" analizowanej reguły"),
            QStringLiteral("Data wygenerowania rekordu kroku trajektorii")};
}

} // namespace tremida
