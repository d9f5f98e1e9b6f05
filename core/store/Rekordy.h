#pragma once
// Typed records of the seven tables. A text column holding NULL reads as a null QString and
// a null QString is written as NULL; numeric columns that may be empty are optional.

#include "Schemat.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <QString>
#include <QVariantList>
#include <optional>
#include <vector>

namespace tremida {

class Baza;

// Where the columns a record reads stand among the columns of one query's rows: found from
// the column names at the first row read, then every row is read by position, without the
// copy of the whole row that QSqlQuery::record() makes. One per run of a query.
class UkladKolumn {
public:
    // The value of column `nazwa`, the record's column number `nr`, in the current row of `q`.
    QVariant wartosc(const QSqlQuery &q, int nr, const char *nazwa);

private:
    QSqlRecord m_nazwy;
    std::vector<int> m_kolumny; // per column of the record, its place in the row (-1: none)
};

// The columns of one row: of a whole record, or of the current row of a query by the places
// its first row showed (a record type reads itself from either: TRekFakt::z(q.record()),
// TRekFakt::z({q, uklad})).
class PolaWiersza {
public:
    PolaWiersza(const QSqlRecord &r) : m_rekord(&r) {}
    PolaWiersza(const QSqlQuery &q, UkladKolumn &u) : m_zapytanie(&q), m_uklad(&u) {}
    // The value of column `nazwa`, the record's column number `nr` in the order of its table.
    QVariant operator()(int nr, const char *nazwa) const;

private:
    const QSqlRecord *m_rekord = nullptr;
    const QSqlQuery *m_zapytanie = nullptr;
    UkladKolumn *m_uklad = nullptr;
};

// Hands every remaining row of a query's run to `wez`, read as a record of type Rek by the
// places of its columns.
template <class Rek, class F>
void dlaRekordow(QSqlQuery &q, F wez)
{
    UkladKolumn u;
    while (q.next())
        wez(Rek::z({q, u}));
}

// Every remaining row of a query's run, read as records of type Rek.
template <class Rek>
QList<Rek> rekordyZapytania(QSqlQuery &q)
{
    QList<Rek> wynik;
    dlaRekordow<Rek>(q, [&](Rek r) { wynik.append(std::move(r)); });
    return wynik;
}

struct TRekSyst {
    int IdSyst = 0;
    QString NazSyst, OpisSyst, DataRek;
    static TRekSyst z(const PolaWiersza &p);
    // The values in column order, for wstawRekord.
    QVariantList wartosci() const;
};

struct TRekFakt {
    int IdFakt = 0;
    int KodSyst = 0;
    QString NazFakt, RodzFakt, TypFakt, JedWartFakt, CzyWielWart;
    std::optional<int> LiczWart;
    QString OpisFakt, PytFakt, WartFakt, WartPoprzFakt;
    std::optional<double> CFWartFakt, CFWartPoprzFakt;
    QString DataRek;
    static TRekFakt z(const PolaWiersza &p);
};

struct TRekWartFaktWylicz {
    int IdWartFaktWylicz = 0;
    int KodFakt = 0;
    QString WartFaktWylicz, CzyFaktMaWartAkt;
    std::optional<double> CFWartFaktWyliczAkt;
    QString CzyFaktMaWartPoprz;
    std::optional<double> CFWartFaktWyliczPoprz;
    QString DataRek;
    static TRekWartFaktWylicz z(const PolaWiersza &p);
    // The values in column order, for wstawRekord.
    QVariantList wartosci() const;
};

struct TRekReg {
    int IdReg = 0;
    int KodSyst = 0;
    QString NazReg;
    int PozReg = 0;
    QString KierWniReg;
    double CFReg = 0.0;
    QString PrzesReg, KonklReg, OpisKonklReg, InstrReg, OpisReg, CzyOdpal;
    std::optional<double> CFKonklReg;
    QString CzyBieUdzWeWnios, DataRek;
    static TRekReg z(const PolaWiersza &p);
};

struct TRekStala {
    int IdStala = 0;
    int KodSyst = 0;
    QString NazStala, RodzStala, TypStala, JedWartStala, WartStalaProsta;
    int KodArgStala = 0;
    QString WartParAStala, WartParBStala, OpisStala, PytStala, DataRek;
    static TRekStala z(const PolaWiersza &p);
};

struct TRekTraj {
    int IdKrokTraj = 0;
    int KodSyst = 0;
    int KodRegTraj = 0;
    std::optional<int> PozRegTraj, IterRegTraj;
    QString KierWniTraj, CzyOdpalTraj;
    std::optional<double> CFKonklRegTraj;
    QString PrzyczNieOdpalTraj, DataRek;
    static TRekTraj z(const PolaWiersza &p);
};

struct TRekPlikMult {
    int IdPlikMult = 0;
    QString NazwaPliku, RodzajPliku;
    double StosWysDoSzer = 0.0;
    QString CoPlikIlustr;
    int KodElemIlustr = 0;
    QString Podpis, DataRek;
    static TRekPlikMult z(const PolaWiersza &p);
};

// The multimedia records illustrating one element (`coIlustr` "fakt" or "regula", the
// element's code) of one kind ("obraz graficzny/zdjecie fotograficzne" or "film"), in key
// order. Empty when the table cannot be read.
QList<TRekPlikMult> plikiIlustrujace(Baza &baza, int kodElem, const QString &coIlustr, const QString &rodzajPliku);

// The record of table `t` whose primary key is `klucz`, with "SELECT * ... WHERE <key>=:Par<key>".
// No value when there is none or when the read fails (then with the engine's message in *blad;
// so too when the table's file is not attached).
std::optional<QSqlRecord> rekordOKluczu(Baza &baza, Tabela t, const QVariant &klucz, QString *blad = nullptr);

// The read of the systems table behind the system-choice grids: code, name and description in
// key order, already run (a failed read holds no rows).
QSqlQuery odczytSystemow(Baza &baza);

// The steps of one system's trajectory in key order, read forward only, every column; no value
// when the read fails.
std::optional<QSqlQuery> odczytTrajektorii(Baza &baza, int kodSyst);

// Appends one record given its values in column order (NULL for a null QVariant or a null
// QString), with a parameterised INSERT. Returns false with the engine's message in *blad.
bool wstawRekord(Baza &baza, Tabela t, const QVariantList &wartosci, QString *blad = nullptr);

// The INSERT statement of a table with one named parameter per column (":ParIdFakt", ...).
QString sqlWstawienia(Tabela t);

} // namespace tremida
