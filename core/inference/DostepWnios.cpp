#include "DostepWnios.h"

#include "store/Baza.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>

namespace tremida::dostep {

namespace {

template <typename Rek>
QList<Rek> wszystkie(QSqlQuery &q)
{
    QList<Rek> wynik;
    if (!q.exec())
        return wynik;
    while (q.next())
        wynik.append(Rek::z(q.record()));
    return wynik;
}

template <typename Rek>
std::optional<Rek> pierwszy(QSqlQuery &q)
{
    if (!q.exec() || !q.next())
        return std::nullopt;
    return Rek::z(q.record());
}

QVariant opt(const std::optional<double> &v) { return v ? QVariant(*v) : QVariant(); }
QVariant txt(const QString &s) { return s.isNull() ? QVariant() : QVariant(s); }

} // namespace

std::optional<TRekFakt> faktONazwie(Baza &baza, int kodSyst, const QString &nazwa)
{
    QSqlQuery q = baza.zapytanie();
    q.prepare(QStringLiteral("SELECT * FROM fakty WHERE KodSyst=:ParIdSyst AND NazFakt=:ParNazFakt "
                             "ORDER BY IdFakt LIMIT 1"));
    q.bindValue(QStringLiteral(":ParIdSyst"), kodSyst);
    q.bindValue(QStringLiteral(":ParNazFakt"), nazwa);
    return pierwszy<TRekFakt>(q);
}

std::optional<TRekFakt> fakt(Baza &baza, int idFakt)
{
    QSqlQuery q = baza.zapytanie();
    q.prepare(QStringLiteral("SELECT * FROM fakty WHERE IdFakt=:ParIdFakt"));
    q.bindValue(QStringLiteral(":ParIdFakt"), idFakt);
    return pierwszy<TRekFakt>(q);
}

QList<TRekFakt> faktySystemu(Baza &baza, int kodSyst, const QStringList &rodzaje)
{
    QSqlQuery q = baza.zapytanie();
    q.prepare(QStringLiteral("SELECT * FROM fakty WHERE KodSyst=:ParIdSyst ORDER BY IdFakt"));
    q.bindValue(QStringLiteral(":ParIdSyst"), kodSyst);
    QList<TRekFakt> wynik;
    for (const TRekFakt &f : wszystkie<TRekFakt>(q))
        if (rodzaje.contains(f.RodzFakt))
            wynik.append(f);
    return wynik;
}

QList<TRekWartFaktWylicz> wartosciFaktu(Baza &baza, int idFakt)
{
    QSqlQuery q = baza.zapytanie();
    q.prepare(QStringLiteral("SELECT * FROM wartoscifaktowwyliczeniowych WHERE KodFakt=:ParKodFaktWylicz "
                             "ORDER BY IdWartFaktWylicz"));
    q.bindValue(QStringLiteral(":ParKodFaktWylicz"), idFakt);
    return wszystkie<TRekWartFaktWylicz>(q);
}

std::optional<TRekWartFaktWylicz> wartoscWylicz(Baza &baza, int idWartFaktWylicz)
{
    QSqlQuery q = baza.zapytanie();
    q.prepare(QStringLiteral("SELECT * FROM wartoscifaktowwyliczeniowych "
                             "WHERE IdWartFaktWylicz=:ParKodWartFaktWylicz"));
    q.bindValue(QStringLiteral(":ParKodWartFaktWylicz"), idWartFaktWylicz);
    return pierwszy<TRekWartFaktWylicz>(q);
}

std::optional<TRekStala> stalaONazwie(Baza &baza, int kodSyst, const QString &nazwa)
{
    QSqlQuery q = baza.zapytanie();
    q.prepare(QStringLiteral("SELECT * FROM stale WHERE KodSyst=:ParIdSyst AND NazStala=:ParNazStala "
                             "ORDER BY IdStala LIMIT 1"));
    q.bindValue(QStringLiteral(":ParIdSyst"), kodSyst);
    q.bindValue(QStringLiteral(":ParNazStala"), nazwa);
    return pierwszy<TRekStala>(q);
}

std::optional<TRekSyst> system(Baza &baza, int idSyst)
{
    QSqlQuery q = baza.zapytanie();
    q.prepare(QStringLiteral("SELECT * FROM systemyeksperckie WHERE IdSyst=:ParIdSyst"));
    q.bindValue(QStringLiteral(":ParIdSyst"), idSyst);
    return pierwszy<TRekSyst>(q);
}

std::optional<TRekReg> regula(Baza &baza, int idReg)
{
    QSqlQuery q = baza.zapytanie();
    q.prepare(QStringLiteral("SELECT * FROM reguly WHERE IdReg=:ParIdReg"));
    q.bindValue(QStringLiteral(":ParIdReg"), idReg);
    return pierwszy<TRekReg>(q);
}

bool zapiszWartFaktu(Baza &baza, const TRekFakt &f)
{
    QSqlQuery q = baza.zapytanie();
    q.prepare(QStringLiteral("UPDATE fakty SET WartFakt=:ParWartFakt, WartPoprzFakt=:ParWartPoprzFakt, "
                             "CFWartFakt=:ParCFWartFakt, CFWartPoprzFakt=:ParCFWartPoprzFakt "
                             "WHERE IdFakt=:ParIdFakt"));
    q.bindValue(QStringLiteral(":ParWartFakt"), txt(f.WartFakt));
    q.bindValue(QStringLiteral(":ParWartPoprzFakt"), txt(f.WartPoprzFakt));
    q.bindValue(QStringLiteral(":ParCFWartFakt"), opt(f.CFWartFakt));
    q.bindValue(QStringLiteral(":ParCFWartPoprzFakt"), opt(f.CFWartPoprzFakt));
    q.bindValue(QStringLiteral(":ParIdFakt"), f.IdFakt);
    return q.exec();
}

bool zapiszWartWylicz(Baza &baza, const TRekWartFaktWylicz &w)
{
    QSqlQuery q = baza.zapytanie();
    q.prepare(QStringLiteral("UPDATE wartoscifaktowwyliczeniowych SET CzyFaktMaWartAkt=:ParAkt, "
                             "CFWartFaktWyliczAkt=:ParCFAkt, CzyFaktMaWartPoprz=:ParPoprz, "
                             "CFWartFaktWyliczPoprz=:ParCFPoprz WHERE IdWartFaktWylicz=:ParIdWart"));
    q.bindValue(QStringLiteral(":ParAkt"), txt(w.CzyFaktMaWartAkt));
    q.bindValue(QStringLiteral(":ParCFAkt"), opt(w.CFWartFaktWyliczAkt));
    q.bindValue(QStringLiteral(":ParPoprz"), txt(w.CzyFaktMaWartPoprz));
    q.bindValue(QStringLiteral(":ParCFPoprz"), opt(w.CFWartFaktWyliczPoprz));
    q.bindValue(QStringLiteral(":ParIdWart"), w.IdWartFaktWylicz);
    return q.exec();
}

bool zapiszStanReguly(Baza &baza, const TRekReg &r)
{
    QSqlQuery q = baza.zapytanie();
    q.prepare(QStringLiteral("UPDATE reguly SET CzyOdpal=:ParCzyOdpal, CzyBieUdzWeWnios=:ParCzyBieUdz, "
                             "CFKonklReg=:ParCFKonklReg WHERE IdReg=:ParIdReg"));
    q.bindValue(QStringLiteral(":ParCzyOdpal"), txt(r.CzyOdpal));
    q.bindValue(QStringLiteral(":ParCzyBieUdz"), txt(r.CzyBieUdzWeWnios));
    q.bindValue(QStringLiteral(":ParCFKonklReg"), opt(r.CFKonklReg));
    q.bindValue(QStringLiteral(":ParIdReg"), r.IdReg);
    return q.exec();
}

int maksKrokTraj(Baza &baza)
{
    QSqlQuery q = baza.zapytanie();
    if (!q.exec(QStringLiteral("SELECT MAX(IdKrokTraj) FROM trajektoria")) || !q.next())
        return 0;
    return q.value(0).isNull() ? 0 : q.value(0).toInt();
}

} // namespace tremida::dostep
