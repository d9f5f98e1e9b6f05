#include "DaneReg.h"

#include "store/Baza.h"

#include <QSet>
#include <QSqlRecord>

namespace tremida {

namespace {

// Runs a query with one integer parameter and appends every row, read as a record of type Rek,
// to `wynik`. A table whose file is not attached reads as empty.
template <typename Rek>
bool czytaj(Baza &baza, Tabela t, const QString &sql, const QString &par, int wartosc, QList<Rek> &wynik,
            QString *blad)
{
    if (!baza.czyDolaczona(t))
        return true;
    QSqlQuery q = baza.zapytanie();
    q.setForwardOnly(true);
    if (!q.prepare(sql)) {
        if (blad)
            *blad = bladZapytania(q);
        return false;
    }
    q.bindValue(par, wartosc);
    if (!baza.czytaj(q, t)) {
        if (blad)
            *blad = bladZapytania(q);
        return false;
    }
    wynik += rekordyZapytania<Rek>(q);
    return true;
}

// Reads a pick list: code, text and (when selected) type of every row, with the statement's
// parameters bound by name. A table whose file is not attached gives no rows.
bool czytajPozycje(Baza &baza, Tabela t, const QString &sql, const QList<std::pair<QString, QVariant>> &parametry,
                   QList<TPozycjaListy> &pozycje, QString *blad = nullptr)
{
    pozycje.clear();
    if (!baza.czyDolaczona(t))
        return true;
    QSqlQuery q = baza.zapytanie();
    q.setForwardOnly(true);
    q.prepare(sql);
    for (const auto &[nazwa, wartosc] : parametry)
        q.bindValue(nazwa, wartosc);
    if (!q.exec()) {
        if (blad)
            *blad = bladZapytania(q);
        return false;
    }
    const bool zTypem = q.record().count() > 2;
    while (q.next())
        pozycje << TPozycjaListy{q.value(0).toInt(), q.value(1).toString(), zTypem ? q.value(2).toString() : QString()};
    return true;
}

} // namespace

bool faktyDoWyboru(Baza &baza, int kodSyst, WyborFaktow wybor, QList<TPozycjaListy> &pozycje, QString *blad)
{
    QString warunek;
    if (wybor == WyborFaktow::Konkluzje)
        warunek = QStringLiteral(" AND (RodzFakt='posredni' OR RodzFakt='koncowy')");
    else if (wybor == WyborFaktow::ArgumentyStalych)
        warunek = QStringLiteral(" AND TypFakt<>'wyliczeniowy'");
    return czytajPozycje(baza, Tabela::Fakty,
                         QStringLiteral("SELECT IdFakt, NazFakt, TypFakt FROM fakty WHERE KodSyst=:ParIdSyst") + warunek +
                             QStringLiteral(" ORDER BY IdFakt"),
                         {{QStringLiteral(":ParIdSyst"), kodSyst}}, pozycje, blad);
}

QList<TPozycjaListy> wartosciDoWyboru(Baza &baza, int idFakt)
{
    QList<TPozycjaListy> pozycje;
    czytajPozycje(baza, Tabela::WartFaktWylicz,
                  QStringLiteral("SELECT IdWartFaktWylicz, WartFaktWylicz FROM wartoscifaktowwyliczeniowych "
                                 "WHERE KodFakt=:ParKodFaktWyl ORDER BY IdWartFaktWylicz"),
                  {{QStringLiteral(":ParKodFaktWyl"), idFakt}}, pozycje);
    return pozycje;
}

QList<TPozycjaListy> staleDoWyboru(Baza &baza, int kodSyst, const QString &typStala)
{
    QList<TPozycjaListy> pozycje;
    if (!typStala.isEmpty())
        czytajPozycje(baza, Tabela::Stale,
                      QStringLiteral("SELECT IdStala, NazStala FROM stale WHERE KodSyst=:ParIdSyst AND "
                                     "TypStala=:ParTypStala ORDER BY IdStala"),
                      {{QStringLiteral(":ParIdSyst"), kodSyst}, {QStringLiteral(":ParTypStala"), typStala}}, pozycje);
    return pozycje;
}

bool TDaneReg::wczytaj(Baza &baza, int kodSyst, QString *blad)
{
    fakty.clear();
    wartosci.clear();
    stale.clear();
    const QString par = QStringLiteral(":ParIdSyst");
    if (!czytaj(baza, Tabela::Fakty, QStringLiteral("SELECT * FROM fakty WHERE KodSyst=:ParIdSyst ORDER BY IdFakt"), par,
                kodSyst, fakty, blad))
        return false;
    if (!czytaj(baza, Tabela::Stale, QStringLiteral("SELECT * FROM stale WHERE KodSyst=:ParIdSyst ORDER BY IdStala"), par,
                kodSyst, stale, blad))
        return false;
    QSet<int> znane;
    for (const TRekFakt &f : std::as_const(fakty))
        znane.insert(f.IdFakt);
    // Arguments of computed constants may belong to another system.
    for (const TRekStala &s : std::as_const(stale)) {
        if (znane.contains(s.KodArgStala))
            continue;
        znane.insert(s.KodArgStala);
        if (!czytaj(baza, Tabela::Fakty, QStringLiteral("SELECT * FROM fakty WHERE IdFakt=:ParIdFakt"),
                    QStringLiteral(":ParIdFakt"), s.KodArgStala, fakty, blad))
            return false;
    }
    if (baza.czyDolaczona(Tabela::Fakty))
        return czytaj(baza, Tabela::WartFaktWylicz,
                      QStringLiteral("SELECT * FROM wartoscifaktowwyliczeniowych WHERE KodFakt IN "
                                     "(SELECT IdFakt FROM fakty WHERE KodSyst=:ParIdSyst) ORDER BY IdWartFaktWylicz"),
                      par, kodSyst, wartosci, blad);
    return true;
}

std::optional<TRekFakt> TDaneReg::faktONazwie(int kodSyst, const QString &nazwa) const
{
    for (const TRekFakt &f : fakty)
        if (f.KodSyst == kodSyst && f.NazFakt == nazwa)
            return f;
    return std::nullopt;
}

std::optional<TRekFakt> TDaneReg::faktOKodzie(int idFakt) const
{
    for (const TRekFakt &f : fakty)
        if (f.IdFakt == idFakt)
            return f;
    return std::nullopt;
}

std::optional<TRekStala> TDaneReg::stalaONazwie(int kodSyst, const QString &nazwa) const
{
    for (const TRekStala &s : stale)
        if (s.KodSyst == kodSyst && s.NazStala == nazwa)
            return s;
    return std::nullopt;
}

QList<TRekWartFaktWylicz> TDaneReg::wartosciFaktu(int idFakt) const
{
    QList<TRekWartFaktWylicz> w;
    for (const TRekWartFaktWylicz &r : wartosci)
        if (r.KodFakt == idFakt)
            w.append(r);
    return w;
}

} // namespace tremida
