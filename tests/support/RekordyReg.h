#pragma once
// Records of a knowledge base of system 1 for the tests of rule checks and of the lookups made
// before a run: facts, simple and calculated constants, enumerated values.

#include "store/Rekordy.h"

namespace tremida::test {

inline TRekFakt fakt(int id, const QString &naz, const QString &rodz, const QString &typ,
                     const QString &wart = QStringLiteral("???"))
{
    TRekFakt f;
    f.IdFakt = id;
    f.KodSyst = 1;
    f.NazFakt = naz;
    f.RodzFakt = rodz;
    f.TypFakt = typ;
    f.WartFakt = wart;
    return f;
}

inline TRekStala prosta(int id, const QString &naz, const QString &typ, const QString &wart)
{
    TRekStala s;
    s.IdStala = id;
    s.KodSyst = 1;
    s.NazStala = naz;
    s.RodzStala = "prosta";
    s.TypStala = typ;
    s.WartStalaProsta = wart;
    s.WartParAStala = "1";
    s.WartParBStala = "0";
    return s;
}

inline TRekStala obliczana(int id, const QString &naz, const QString &typ, int arg,
                           const QString &a = QStringLiteral("1"), const QString &b = QStringLiteral("0"))
{
    TRekStala s = prosta(id, naz, typ, "0");
    s.RodzStala = "obliczana";
    s.KodArgStala = arg;
    s.WartParAStala = a;
    s.WartParBStala = b;
    return s;
}

inline TRekWartFaktWylicz wartosc(int id, int fakt, const QString &w)
{
    TRekWartFaktWylicz r;
    r.IdWartFaktWylicz = id;
    r.KodFakt = fakt;
    r.WartFaktWylicz = w;
    return r;
}

} // namespace tremida::test
