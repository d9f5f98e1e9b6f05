#pragma once
// The reads of the checks of knowledge bases: every query of the verification before
// inference and of the consistency check of the database stands here.

#include "store/Rekordy.h"

#include <QList>

namespace tremida {
class Baza;
}

namespace tremida::weryf {

// Each reader gives the records in the order of their ids. A table whose file is not
// attached gives no record; a query that fails gives no record and is recorded as the
// work's failure (Baza::blad).

// Every expert system (knowledge base) of the database.
QList<TRekSyst> systemy(Baza &baza);

// The facts of knowledge base `kodSyst`.
QList<TRekFakt> fakty(Baza &baza, int kodSyst);

// The input facts ("wprowadzany") of knowledge base `kodSyst`.
QList<TRekFakt> faktyWprowadzane(Baza &baza, int kodSyst);

// The constants of knowledge base `kodSyst`.
QList<TRekStala> stale(Baza &baza, int kodSyst);

// The rules of knowledge base `kodSyst`.
QList<TRekReg> reguly(Baza &baza, int kodSyst);

} // namespace tremida::weryf
