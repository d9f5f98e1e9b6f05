#pragma once
// Value words stored in the text columns with a closed set of values, and the outcome
// sentences of a trajectory step. Stored exactly as written here.

#include <QString>
#include <array>

namespace tremida::slowa {

// RodzFakt
inline const QString Wprowadzany = QStringLiteral("wprowadzany");
inline const QString Posredni = QStringLiteral("posredni");
inline const QString Koncowy = QStringLiteral("koncowy");
// TypFakt
inline const QString Wyliczeniowy = QStringLiteral("wyliczeniowy");
inline const QString Rzeczywisty = QStringLiteral("rzeczywisty");
inline const QString Calkowity = QStringLiteral("calkowity");
inline const QString Logiczny = QStringLiteral("logiczny");
// CzyWielWart, CzyOdpal, CzyBieUdzWeWnios, CzyOdpalTraj, CzyFaktMaWart...
inline const QString Tak = QStringLiteral("tak");
inline const QString Nie = QStringLiteral("nie");
// "No value": Unknown in logic; also a value of CzyFaktMaWartAkt / CzyFaktMaWartPoprz.
inline const QString BrakWartosci = QStringLiteral("???");
// WartPoprzFakt of an input fact whose value the user declared unknown during a run.
inline const QString Nzn = QStringLiteral("nzn");
// Logical values
inline const QString True = QStringLiteral("TRUE");
inline const QString False = QStringLiteral("FALSE");
// KierWniReg, KierWniTraj
inline const QString WPrzod = QStringLiteral("w przod");
inline const QString Wstecz = QStringLiteral("wstecz");
inline const QString Oba = QStringLiteral("oba");
inline const QString Falsyf = QStringLiteral("falsyf");
// RodzStala, TypStala
inline const QString Prosta = QStringLiteral("prosta");
inline const QString Obliczana = QStringLiteral("obliczana");
inline const QString Rzeczywista = QStringLiteral("rzeczywista");
inline const QString Calkowita = QStringLiteral("calkowita");
inline const QString Logiczna = QStringLiteral("logiczna");
// RodzajPliku, CoPlikIlustr
inline const QString ObrazGraficzny = QStringLiteral("obraz graficzny/zdjecie fotograficzne");
inline const QString Film = QStringLiteral("film");
inline const QString Fakt = QStringLiteral("fakt");
inline const QString Regula = QStringLiteral("regula");

// PrzyczNieOdpalTraj: outcome of a trajectory step, in the order of the trajectory
// viewer's outcome list.
inline const std::array<QString, 9> PrzyczynyTraj = {
    QStringLiteral("Reguła została \"odpalona\" w danym kroku trajektorii wnioskowania"),
    QStringLiteral("Reguła została przyjęta na stos do \"odpalenia\", jednak \"nieodpalona\", gdyż trwa jeszcze "
                   "faza generowania stosu"),
    QStringLiteral("Reguła nieprzyjęta na stos do \"odpalenia\". Pole przesłankowe zwraca wprawdzie TRUE, a "
                   "wartość CF pola powyżej progu, jednak konkluzja zawiera stałą obliczaną o nieokreślonej "
                   "wartości"),
    QStringLiteral("Reguła nieprzyjęta na stos do \"odpalenia\". Pole przesłankowe zwraca wprawdzie TRUE, jednak "
                   "wartość CF pola przesłankowego poniżej progu"),
    QStringLiteral("Reguła nieprzyjęta na stos do \"odpalenia\". Pole przesłankowe zwraca wprawdzie TRUE, jednak "
                   "wartość CF pola przesłankowego poniżej progu. Konkluzja zawiera ponadto stałą obliczaną o "
                   "nieokreślonej wartości"),
    QStringLiteral("Reguła nieprzyjęta na stos do \"odpalenia\". Pole przesłankowe reguły zwraca wartość logiczną "
                   "FALSE"),
    QStringLiteral("Reguła nieprzyjęta na stos do \"odpalenia\". Pole przesłankowe reguły zwraca wartość logiczną "
                   "FALSE. Konkluzja reguły zawiera ponadto stałą obliczaną o nieokreślonej wartości"),
    QStringLiteral("Reguła nieprzyjęta na stos do \"odpalenia\". Pole przesłankowe reguły zwraca wartość logiczną "
                   "UNKNOWN, na skutek nieokreślonych wartości faktów w polu przesłankowym"),
    QStringLiteral("Reguła nieprzyjęta na stos do \"odpalenia\". Pole przesłankowe reguły zwraca wartość logiczną "
                   "UNKNOWN jw. Konkluzja reguły zawiera ponadto stałą obliczaną o nieokreślonej wartości"),
};

// Outcome of a rule fired in a step of backward chaining or falsification.
inline const QString NieDotyczyOdpalona =
    QStringLiteral("nie dotyczy - regula zostala odpalona w tym kroku trajektorii wnioskowania");

} // namespace tremida::slowa
