#include "Rekordy.h"

#include "Baza.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>

namespace tremida {

namespace {

QString tekst(const QSqlRecord &r, const char *k) { return r.value(QLatin1String(k)).toString(); }
int calk(const QSqlRecord &r, const char *k) { return r.value(QLatin1String(k)).toInt(); }
double real(const QSqlRecord &r, const char *k) { return r.value(QLatin1String(k)).toDouble(); }

std::optional<int> optCalk(const QSqlRecord &r, const char *k)
{
    const QVariant v = r.value(QLatin1String(k));
    if (v.isNull())
        return std::nullopt;
    return v.toInt();
}

std::optional<double> optReal(const QSqlRecord &r, const char *k)
{
    const QVariant v = r.value(QLatin1String(k));
    if (v.isNull())
        return std::nullopt;
    return v.toDouble();
}

QVariant w(const QString &s) { return s.isNull() ? QVariant() : QVariant(s); }
QVariant w(const std::optional<int> &v) { return v ? QVariant(*v) : QVariant(); }
QVariant w(const std::optional<double> &v) { return v ? QVariant(*v) : QVariant(); }

} // namespace

TRekSyst TRekSyst::z(const QSqlRecord &r)
{
    return {calk(r, "IdSyst"), tekst(r, "NazSyst"), tekst(r, "OpisSyst"), tekst(r, "DataRek")};
}

QVariantList TRekSyst::wartosci() const { return {IdSyst, w(NazSyst), w(OpisSyst), w(DataRek)}; }

TRekFakt TRekFakt::z(const QSqlRecord &r)
{
    TRekFakt f;
    f.IdFakt = calk(r, "IdFakt");
    f.KodSyst = calk(r, "KodSyst");
    f.NazFakt = tekst(r, "NazFakt");
    f.RodzFakt = tekst(r, "RodzFakt");
    f.TypFakt = tekst(r, "TypFakt");
    f.JedWartFakt = tekst(r, "JedWartFakt");
    f.CzyWielWart = tekst(r, "CzyWielWart");
    f.LiczWart = optCalk(r, "LiczWart");
    f.OpisFakt = tekst(r, "OpisFakt");
    f.PytFakt = tekst(r, "PytFakt");
    f.WartFakt = tekst(r, "WartFakt");
    f.WartPoprzFakt = tekst(r, "WartPoprzFakt");
    f.CFWartFakt = optReal(r, "CFWartFakt");
    f.CFWartPoprzFakt = optReal(r, "CFWartPoprzFakt");
    f.DataRek = tekst(r, "DataRek");
    return f;
}

QVariantList TRekFakt::wartosci() const
{
    return {IdFakt,      KodSyst,     w(NazFakt),       w(RodzFakt),      w(TypFakt),
            w(JedWartFakt), w(CzyWielWart), w(LiczWart),  w(OpisFakt),      w(PytFakt),
            w(WartFakt), w(WartPoprzFakt), w(CFWartFakt), w(CFWartPoprzFakt), w(DataRek)};
}

TRekWartFaktWylicz TRekWartFaktWylicz::z(const QSqlRecord &r)
{
    TRekWartFaktWylicz v;
    v.IdWartFaktWylicz = calk(r, "IdWartFaktWylicz");
    v.KodFakt = calk(r, "KodFakt");
    v.WartFaktWylicz = tekst(r, "WartFaktWylicz");
    v.CzyFaktMaWartAkt = tekst(r, "CzyFaktMaWartAkt");
    v.CFWartFaktWyliczAkt = optReal(r, "CFWartFaktWyliczAkt");
    v.CzyFaktMaWartPoprz = tekst(r, "CzyFaktMaWartPoprz");
    v.CFWartFaktWyliczPoprz = optReal(r, "CFWartFaktWyliczPoprz");
    v.DataRek = tekst(r, "DataRek");
    return v;
}

QVariantList TRekWartFaktWylicz::wartosci() const
{
    return {IdWartFaktWylicz,         KodFakt,          w(WartFaktWylicz),
            w(CzyFaktMaWartAkt),      w(CFWartFaktWyliczAkt), w(CzyFaktMaWartPoprz),
            w(CFWartFaktWyliczPoprz), w(DataRek)};
}

TRekReg TRekReg::z(const QSqlRecord &r)
{
    TRekReg g;
    g.IdReg = calk(r, "IdReg");
    g.KodSyst = calk(r, "KodSyst");
    g.NazReg = tekst(r, "NazReg");
    g.PozReg = calk(r, "PozReg");
    g.KierWniReg = tekst(r, "KierWniReg");
    g.CFReg = real(r, "CFReg");
    g.PrzesReg = tekst(r, "PrzesReg");
    g.KonklReg = tekst(r, "KonklReg");
    g.OpisKonklReg = tekst(r, "OpisKonklReg");
    g.InstrReg = tekst(r, "InstrReg");
    g.OpisReg = tekst(r, "OpisReg");
    g.CzyOdpal = tekst(r, "CzyOdpal");
    g.CFKonklReg = optReal(r, "CFKonklReg");
    g.CzyBieUdzWeWnios = tekst(r, "CzyBieUdzWeWnios");
    g.DataRek = tekst(r, "DataRek");
    return g;
}

QVariantList TRekReg::wartosci() const
{
    return {IdReg,          KodSyst,         w(NazReg),        PozReg,     w(KierWniReg),
            CFReg,          w(PrzesReg),     w(KonklReg),      w(OpisKonklReg), w(InstrReg),
            w(OpisReg),     w(CzyOdpal),     w(CFKonklReg),    w(CzyBieUdzWeWnios), w(DataRek)};
}

TRekStala TRekStala::z(const QSqlRecord &r)
{
    TRekStala s;
    s.IdStala = calk(r, "IdStala");
    s.KodSyst = calk(r, "KodSyst");
    s.NazStala = tekst(r, "NazStala");
    s.RodzStala = tekst(r, "RodzStala");
    s.TypStala = tekst(r, "TypStala");
    s.JedWartStala = tekst(r, "JedWartStala");
    s.WartStalaProsta = tekst(r, "WartStalaProsta");
    s.KodArgStala = calk(r, "KodArgStala");
    s.WartParAStala = tekst(r, "WartParAStala");
    s.WartParBStala = tekst(r, "WartParBStala");
    s.OpisStala = tekst(r, "OpisStala");
    s.PytStala = tekst(r, "PytStala");
    s.DataRek = tekst(r, "DataRek");
    return s;
}

QVariantList TRekStala::wartosci() const
{
    return {IdStala,          KodSyst,         w(NazStala),      w(RodzStala),     w(TypStala),
            w(JedWartStala),  w(WartStalaProsta), KodArgStala,   w(WartParAStala), w(WartParBStala),
            w(OpisStala),     w(PytStala),     w(DataRek)};
}

TRekTraj TRekTraj::z(const QSqlRecord &r)
{
    TRekTraj t;
    t.IdKrokTraj = calk(r, "IdKrokTraj");
    t.KodSyst = calk(r, "KodSyst");
    t.KodRegTraj = calk(r, "KodRegTraj");
    t.PozRegTraj = optCalk(r, "PozRegTraj");
    t.IterRegTraj = optCalk(r, "IterRegTraj");
    t.KierWniTraj = tekst(r, "KierWniTraj");
    t.CzyOdpalTraj = tekst(r, "CzyOdpalTraj");
    t.CFKonklRegTraj = optReal(r, "CFKonklRegTraj");
    t.PrzyczNieOdpalTraj = tekst(r, "PrzyczNieOdpalTraj");
    t.DataRek = tekst(r, "DataRek");
    return t;
}

QVariantList TRekTraj::wartosci() const
{
    return {IdKrokTraj,       KodSyst,          KodRegTraj,          w(PozRegTraj),  w(IterRegTraj),
            w(KierWniTraj),   w(CzyOdpalTraj),  w(CFKonklRegTraj),   w(PrzyczNieOdpalTraj), w(DataRek)};
}

TRekPlikMult TRekPlikMult::z(const QSqlRecord &r)
{
    TRekPlikMult p;
    p.IdPlikMult = calk(r, "IdPlikMult");
    p.NazwaPliku = tekst(r, "NazwaPliku");
    p.RodzajPliku = tekst(r, "RodzajPliku");
    p.StosWysDoSzer = real(r, "StosWysDoSzer");
    p.CoPlikIlustr = tekst(r, "CoPlikIlustr");
    p.KodElemIlustr = calk(r, "KodElemIlustr");
    p.Podpis = tekst(r, "Podpis");
    p.DataRek = tekst(r, "DataRek");
    return p;
}

QVariantList TRekPlikMult::wartosci() const
{
    return {IdPlikMult,    w(NazwaPliku), w(RodzajPliku), StosWysDoSzer,
            w(CoPlikIlustr), KodElemIlustr, w(Podpis),     w(DataRek)};
}

QString sqlWstawienia(Tabela t)
{
    const OpisTabeli &o = opisTabeli(t);
    QStringList kolumny, parametry;
    for (const auto &k : o.kolumny) {
        kolumny << k.nazwa;
        parametry << QStringLiteral(":Par") + k.nazwa;
    }
    return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
        .arg(o.nazwa, kolumny.join(QStringLiteral(", ")), parametry.join(QStringLiteral(", ")));
}

QList<TRekPlikMult> plikiIlustrujace(Baza &baza, int kodElem, const QString &coIlustr, const QString &rodzajPliku)
{
    QList<TRekPlikMult> wynik;
    if (!baza.czyDolaczona(Tabela::PlikiMult))
        return wynik;
    QSqlQuery q = baza.zapytanie();
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT * FROM plikimultimedialne WHERE KodElemIlustr=:ParKodElemIlustr"
                             " AND CoPlikIlustr=:ParCoPlikIlustr AND RodzajPliku=:ParRodzajPliku ORDER BY IdPlikMult"));
    q.bindValue(QStringLiteral(":ParKodElemIlustr"), kodElem);
    q.bindValue(QStringLiteral(":ParCoPlikIlustr"), coIlustr);
    q.bindValue(QStringLiteral(":ParRodzajPliku"), rodzajPliku);
    if (!q.exec())
        return wynik;
    while (q.next())
        wynik << TRekPlikMult::z(q.record());
    return wynik;
}

bool wstawRekord(Baza &baza, Tabela t, const QVariantList &wartosci, QString *blad)
{
    const OpisTabeli &o = opisTabeli(t);
    QSqlQuery q = baza.zapytanie();
    q.prepare(sqlWstawienia(t));
    for (size_t i = 0; i < o.kolumny.size(); ++i) {
        const QVariant v = i < static_cast<size_t>(wartosci.size()) ? wartosci[static_cast<qsizetype>(i)] : QVariant();
        q.bindValue(QStringLiteral(":Par") + o.kolumny[i].nazwa, v);
    }
    if (!q.exec()) {
        if (blad)
            *blad = bladZapytania(q);
        return false;
    }
    return true;
}

} // namespace tremida
