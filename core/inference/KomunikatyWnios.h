#pragma once
// Messages of rule evaluation, of writing conclusions and of forward chaining. Each
// function builds one message from its fixed pieces; "\n\r" is the line break.

#include "rules/Usterki.h"
#include "rules/Logika.h"

#include <QString>

namespace tremida::kom {

// Frame of the messages about one elementary premise: `kod` is the rule code text,
// `przeslanka` the ordinal of the premise (written right-aligned in 3 characters).
QString ramkaB(const QString &kod, int przeslanka, const QString &szczegol);
// The line break and "Nastąpi przerwanie procesu wnioskowania." that end every error.
QString przerwanie();

// Details of frame B that only inference has.
QString N1();
QString N4();
// C7i .. C13i by id ("C7" .. "C13").
QString szczegolStalej(IdUsterki id);

QString N2(int idFakt);
QString N3(int idFakt);
QString Q1(int idFakt);
// Q2 by the fact's type word ("rzeczywisty", "calkowity", "logiczny").
QString Q2(const QString &typFakt, int idFakt);
QString Q3(const QString &typArg, int idFakt, int idStala);

// Reasons written to PrzyczNieOdpalTraj.
QString przyczyna(const QString &wartosc, bool ponizejProgu, bool stalaBezWart);
// The same by the logical value; made once, as every examined rule writes one.
const QString &przyczyna(TWartLog wartosc, bool ponizejProgu, bool stalaBezWart);
QString przyczynaOdpalona();

// Forward chaining.
QString H1();
QString H2();
QString H5();
QString H6(const QString &kod);
QString H7();
QString H8();
QString H9();
QString H10();
QString przerwanieWPrzodPrzezUzytkownika();

// Writing conclusions (the other messages are the conclusion findings K1..K9 in the
// inference frame, except E6).
QString E6(const QString &kod);
QString W(const QString &kod);

// Backward chaining, falsification and mixed inference.
QString brakHipotezy();
QString brakRegulWstecz();
QString przyczynaOdpalonaWstecz();
QString hipUdowodniona(int n, int pozycja, int idReg);
QString koniecUdowodniona(double cfZagreg);
QString F0();
QString F1();
QString F2();
QString brakZaznaczonychFals();
QString falsUdowodniona(int kandydat, int n, int pozycja, int idReg);
QString koniecFalsyfikacji(bool sfalsyfikowana);
QString mieszBezWstecz();
QString mieszBezObu();
QString mieszBezWPrzod();
QString mieszBezRegul();
QString mieszNiewykazana();

} // namespace tremida::kom
