#pragma once
// What the rule checks read from the tables: facts, enumerated values and constants. The
// checks see them only through IDaneReg, so a caller can hand over a snapshot of the tables
// (TDaneReg, filled from the database or directly by a test) or its own live reader.

#include "store/Rekordy.h"

#include <QList>
#include <QString>
#include <optional>

namespace tremida {

class Baza;

class IDaneReg {
public:
    virtual ~IDaneReg() = default;
    // The first fact of the system, in table order, whose NazFakt equals `nazwa` exactly.
    virtual std::optional<TRekFakt> faktONazwie(int kodSyst, const QString &nazwa) const = 0;
    // The fact with IdFakt `idFakt`, of any system.
    virtual std::optional<TRekFakt> faktOKodzie(int idFakt) const = 0;
    // The first constant of the system, in table order, whose NazStala equals `nazwa` exactly.
    virtual std::optional<TRekStala> stalaONazwie(int kodSyst, const QString &nazwa) const = 0;
    // The enumerated value records of a fact (KodFakt = idFakt), in table order.
    virtual QList<TRekWartFaktWylicz> wartosciFaktu(int idFakt) const = 0;
};

// A snapshot of the three tables held in memory (rows in table order).
class TDaneReg : public IDaneReg {
public:
    QList<TRekFakt> fakty;
    QList<TRekWartFaktWylicz> wartosci;
    QList<TRekStala> stale;

    // Reads the facts, enumerated values and constants of the system `kodSyst` and every
    // fact that a constant of it names as argument. A table whose file is missing reads as
    // empty. Returns false with the engine's message in *blad when a query fails.
    bool wczytaj(Baza &baza, int kodSyst, QString *blad = nullptr);

    std::optional<TRekFakt> faktONazwie(int kodSyst, const QString &nazwa) const override;
    std::optional<TRekFakt> faktOKodzie(int idFakt) const override;
    std::optional<TRekStala> stalaONazwie(int kodSyst, const QString &nazwa) const override;
    QList<TRekWartFaktWylicz> wartosciFaktu(int idFakt) const override;
};

// One entry of the pick lists of the rule editor and of the constants window: a code, its
// name or value text and, for facts, TypFakt.
struct TPozycjaListy {
    int kod = 0;
    QString tekst;
    QString typ;
};

// Which facts a pick list offers.
enum class WyborFaktow {
    Wszystkie,        // every fact of the system (a rule's premise)
    Konkluzje,        // intermediate and final facts (a rule's conclusion)
    ArgumentyStalych, // facts that are not enumerated (the argument of a computed constant)
};

// The facts of system `kodSyst` that `wybor` offers, in key order, into `pozycje`. No facts when
// the facts file is not attached; false with the engine's message in *blad when the read fails.
bool faktyDoWyboru(Baza &baza, int kodSyst, WyborFaktow wybor, QList<TPozycjaListy> &pozycje,
                   QString *blad = nullptr);
// The values of the enumerated fact `idFakt` in key order; none when they cannot be read.
QList<TPozycjaListy> wartosciDoWyboru(Baza &baza, int idFakt);
// The constants of system `kodSyst` of type `typStala` in key order; none for an empty type or
// when they cannot be read.
QList<TPozycjaListy> staleDoWyboru(Baza &baza, int kodSyst, const QString &typStala);

} // namespace tremida
