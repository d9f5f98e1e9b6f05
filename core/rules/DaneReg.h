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

} // namespace tremida
