#include "Rekordy.h"

#include "Baza.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>

namespace tremida {

namespace {

// The columns of a record read in the order of its table. A column is taken from the
// position where it is expected when the name there matches (a table file made by this
// program), otherwise looked up by its name, which costs far more when many records are read.
class Pola {
public:
    explicit Pola(const QSqlRecord &r) : m_r(r) {}
    QVariant operator()(const char *nazwa)
    {
        const int i = m_nast++;
        if (i < m_r.count() && m_r.fieldName(i) == QLatin1String(nazwa))
            return m_r.value(i);
        return m_r.value(QLatin1String(nazwa));
    }

private:
    const QSqlRecord &m_r;
    int m_nast = 0;
};

QString tekst(Pola &p, const char *k) { return p(k).toString(); }
int calk(Pola &p, const char *k) { return p(k).toInt(); }
double real(Pola &p, const char *k) { return p(k).toDouble(); }

std::optional<int> optCalk(Pola &p, const char *k)
{
    const QVariant v = p(k);
    if (v.isNull())
        return std::nullopt;
    return v.toInt();
}

std::optional<double> optReal(Pola &p, const char *k)
{
    const QVariant v = p(k);
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
    Pola pola(r);
    return {calk(pola, "IdSyst"), tekst(pola, "NazSyst"), tekst(pola, "OpisSyst"), tekst(pola, "DataRek")};
}

QVariantList TRekSyst::wartosci() const { return {IdSyst, w(NazSyst), w(OpisSyst), w(DataRek)}; }

TRekFakt TRekFakt::z(const QSqlRecord &r)
{
    Pola pola(r);
    TRekFakt f;
    f.IdFakt = calk(pola, "IdFakt");
    f.KodSyst = calk(pola, "KodSyst");
    f.NazFakt = tekst(pola, "NazFakt");
    f.RodzFakt = tekst(pola, "RodzFakt");
    f.TypFakt = tekst(pola, "TypFakt");
    f.JedWartFakt = tekst(pola, "JedWartFakt");
    f.CzyWielWart = tekst(pola, "CzyWielWart");
    f.LiczWart = optCalk(pola, "LiczWart");
    f.OpisFakt = tekst(pola, "OpisFakt");
    f.PytFakt = tekst(pola, "PytFakt");
    f.WartFakt = tekst(pola, "WartFakt");
    f.WartPoprzFakt = tekst(pola, "WartPoprzFakt");
    f.CFWartFakt = optReal(pola, "CFWartFakt");
    f.CFWartPoprzFakt = optReal(pola, "CFWartPoprzFakt");
    f.DataRek = tekst(pola, "DataRek");
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
    Pola pola(r);
    TRekWartFaktWylicz v;
    v.IdWartFaktWylicz = calk(pola, "IdWartFaktWylicz");
    v.KodFakt = calk(pola, "KodFakt");
    v.WartFaktWylicz = tekst(pola, "WartFaktWylicz");
    v.CzyFaktMaWartAkt = tekst(pola, "CzyFaktMaWartAkt");
    v.CFWartFaktWyliczAkt = optReal(pola, "CFWartFaktWyliczAkt");
    v.CzyFaktMaWartPoprz = tekst(pola, "CzyFaktMaWartPoprz");
    v.CFWartFaktWyliczPoprz = optReal(pola, "CFWartFaktWyliczPoprz");
    v.DataRek = tekst(pola, "DataRek");
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
    Pola pola(r);
    TRekReg g;
    g.IdReg = calk(pola, "IdReg");
    g.KodSyst = calk(pola, "KodSyst");
    g.NazReg = tekst(pola, "NazReg");
    g.PozReg = calk(pola, "PozReg");
    g.KierWniReg = tekst(pola, "KierWniReg");
    g.CFReg = real(pola, "CFReg");
    g.PrzesReg = tekst(pola, "PrzesReg");
    g.KonklReg = tekst(pola, "KonklReg");
    g.OpisKonklReg = tekst(pola, "OpisKonklReg");
    g.InstrReg = tekst(pola, "InstrReg");
    g.OpisReg = tekst(pola, "OpisReg");
    g.CzyOdpal = tekst(pola, "CzyOdpal");
    g.CFKonklReg = optReal(pola, "CFKonklReg");
    g.CzyBieUdzWeWnios = tekst(pola, "CzyBieUdzWeWnios");
    g.DataRek = tekst(pola, "DataRek");
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
    Pola pola(r);
    TRekStala s;
    s.IdStala = calk(pola, "IdStala");
    s.KodSyst = calk(pola, "KodSyst");
    s.NazStala = tekst(pola, "NazStala");
    s.RodzStala = tekst(pola, "RodzStala");
    s.TypStala = tekst(pola, "TypStala");
    s.JedWartStala = tekst(pola, "JedWartStala");
    s.WartStalaProsta = tekst(pola, "WartStalaProsta");
    s.KodArgStala = calk(pola, "KodArgStala");
    s.WartParAStala = tekst(pola, "WartParAStala");
    s.WartParBStala = tekst(pola, "WartParBStala");
    s.OpisStala = tekst(pola, "OpisStala");
    s.PytStala = tekst(pola, "PytStala");
    s.DataRek = tekst(pola, "DataRek");
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
    Pola pola(r);
    TRekTraj t;
    t.IdKrokTraj = calk(pola, "IdKrokTraj");
    t.KodSyst = calk(pola, "KodSyst");
    t.KodRegTraj = calk(pola, "KodRegTraj");
    t.PozRegTraj = optCalk(pola, "PozRegTraj");
    t.IterRegTraj = optCalk(pola, "IterRegTraj");
    t.KierWniTraj = tekst(pola, "KierWniTraj");
    t.CzyOdpalTraj = tekst(pola, "CzyOdpalTraj");
    t.CFKonklRegTraj = optReal(pola, "CFKonklRegTraj");
    t.PrzyczNieOdpalTraj = tekst(pola, "PrzyczNieOdpalTraj");
    t.DataRek = tekst(pola, "DataRek");
    return t;
}

QVariantList TRekTraj::wartosci() const
{
    return {IdKrokTraj,       KodSyst,          KodRegTraj,          w(PozRegTraj),  w(IterRegTraj),
            w(KierWniTraj),   w(CzyOdpalTraj),  w(CFKonklRegTraj),   w(PrzyczNieOdpalTraj), w(DataRek)};
}

TRekPlikMult TRekPlikMult::z(const QSqlRecord &r)
{
    Pola pola(r);
    TRekPlikMult p;
    p.IdPlikMult = calk(pola, "IdPlikMult");
    p.NazwaPliku = tekst(pola, "NazwaPliku");
    p.RodzajPliku = tekst(pola, "RodzajPliku");
    p.StosWysDoSzer = real(pola, "StosWysDoSzer");
    p.CoPlikIlustr = tekst(pola, "CoPlikIlustr");
    p.KodElemIlustr = calk(pola, "KodElemIlustr");
    p.Podpis = tekst(pola, "Podpis");
    p.DataRek = tekst(pola, "DataRek");
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
    // Asked at every conclusion shown: the statement is prepared once.
    QSqlQuery &q = baza.przygotowane(
        QStringLiteral("SELECT * FROM plikimultimedialne WHERE KodElemIlustr=:ParKodElemIlustr"
                       " AND CoPlikIlustr=:ParCoPlikIlustr AND RodzajPliku=:ParRodzajPliku ORDER BY IdPlikMult"));
    q.bindValue(QStringLiteral(":ParKodElemIlustr"), kodElem);
    q.bindValue(QStringLiteral(":ParCoPlikIlustr"), coIlustr);
    q.bindValue(QStringLiteral(":ParRodzajPliku"), rodzajPliku);
    if (q.exec()) {
        while (q.next())
            wynik << TRekPlikMult::z(q.record());
    }
    q.finish();
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
