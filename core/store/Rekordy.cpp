#include "Rekordy.h"

#include "Baza.h"
#include "Slowa.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>

#include <type_traits>

namespace tremida {

namespace {

// One column: its name and the member it is read into.
template <class R, class T>
struct Kolumna {
    const char *nazwa;
    T R::*pole;
};

template <class R, class T>
Kolumna<R, T> k(const char *nazwa, T R::*pole)
{
    return {nazwa, pole};
}

// A column value as the member's type: an empty numeric column reads as no value where the
// member is optional, as 0 where it is not.
// A text read from a table that is one of the words of a closed set of values (a fact's kind
// and type, "tak", "???", "TRUE", ...) becomes the program's own copy of that word: the
// records of a base then share it, and inference, which compares such words at every rule it
// examines, finds their characters at hand instead of in a separate copy per record.
QString wspolne(QString t)
{
    static const QString *const Slowa[] = {
        &slowa::Wprowadzany, &slowa::Posredni, &slowa::Koncowy,  &slowa::Wyliczeniowy, &slowa::Rzeczywisty,
        &slowa::Calkowity,   &slowa::Logiczny, &slowa::Tak,      &slowa::Nie,          &slowa::BrakWartosci,
        &slowa::Nzn,         &slowa::True,     &slowa::False,    &slowa::WPrzod,       &slowa::Wstecz,
        &slowa::Oba,         &slowa::Prosta,   &slowa::Obliczana, &slowa::Rzeczywista, &slowa::Calkowita,
        &slowa::Logiczna,    &slowa::Film,     &slowa::Fakt,     &slowa::Regula};
    if (t.size() > 12)
        return t;
    for (const QString *s : Slowa)
        if (s->size() == t.size() && *s == t)
            return *s;
    return t;
}

template <class T>
T jako(const QVariant &v)
{
    if constexpr (std::is_same_v<T, QString>)
        return wspolne(v.toString());
    else if constexpr (std::is_same_v<T, int>)
        return v.toInt();
    else if constexpr (std::is_same_v<T, double>)
        return v.toDouble();
    else
        return v.isNull() ? T() : T(jako<typename T::value_type>(v));
}

// Reads the columns of a record in the order given, which is the order of its table.
template <class R, class... T>
R czytaj(const PolaWiersza &pola, Kolumna<R, T>... kolumny)
{
    R rek;
    int nr = 0;
    ((rek.*kolumny.pole = jako<T>(pola(nr++, kolumny.nazwa))), ...);
    return rek;
}

QVariant w(const QString &s) { return s.isNull() ? QVariant() : QVariant(s); }
QVariant w(const std::optional<double> &v) { return v ? QVariant(*v) : QVariant(); }

} // namespace

QVariant UkladKolumn::wartosc(const QSqlQuery &q, int nr, const char *nazwa)
{
    // The first row read finds the places; every row asks for the columns in the same order.
    if (size_t(nr) >= m_kolumny.size()) {
        if (m_kolumny.empty())
            m_nazwy = q.record();
        const QLatin1StringView n(nazwa);
        m_kolumny.push_back(nr < m_nazwy.count() && m_nazwy.fieldName(nr) == n ? nr : m_nazwy.indexOf(n));
    }
    const int i = m_kolumny[size_t(nr)];
    return i < 0 ? QVariant() : q.value(i);
}

QVariant PolaWiersza::operator()(int nr, const char *nazwa) const
{
    if (m_zapytanie)
        return m_uklad->wartosc(*m_zapytanie, nr, nazwa);
    // A column is taken from the position where it is expected when the name there matches
    // (a table file made by this program), otherwise looked up by its name.
    const QSqlRecord &r = *m_rekord;
    if (nr < r.count() && r.fieldName(nr) == QLatin1String(nazwa))
        return r.value(nr);
    return r.value(QLatin1String(nazwa));
}

TRekSyst TRekSyst::z(const PolaWiersza &p)
{
    using R = TRekSyst;
    return czytaj(p, k("IdSyst", &R::IdSyst), k("NazSyst", &R::NazSyst), k("OpisSyst", &R::OpisSyst),
                  k("DataRek", &R::DataRek));
}

QVariantList TRekSyst::wartosci() const { return {IdSyst, w(NazSyst), w(OpisSyst), w(DataRek)}; }

TRekFakt TRekFakt::z(const PolaWiersza &p)
{
    using R = TRekFakt;
    return czytaj(p, k("IdFakt", &R::IdFakt), k("KodSyst", &R::KodSyst), k("NazFakt", &R::NazFakt),
                  k("RodzFakt", &R::RodzFakt), k("TypFakt", &R::TypFakt), k("JedWartFakt", &R::JedWartFakt),
                  k("CzyWielWart", &R::CzyWielWart), k("LiczWart", &R::LiczWart), k("OpisFakt", &R::OpisFakt),
                  k("PytFakt", &R::PytFakt), k("WartFakt", &R::WartFakt), k("WartPoprzFakt", &R::WartPoprzFakt),
                  k("CFWartFakt", &R::CFWartFakt), k("CFWartPoprzFakt", &R::CFWartPoprzFakt),
                  k("DataRek", &R::DataRek));
}

TRekWartFaktWylicz TRekWartFaktWylicz::z(const PolaWiersza &p)
{
    using R = TRekWartFaktWylicz;
    return czytaj(p, k("IdWartFaktWylicz", &R::IdWartFaktWylicz), k("KodFakt", &R::KodFakt),
                  k("WartFaktWylicz", &R::WartFaktWylicz), k("CzyFaktMaWartAkt", &R::CzyFaktMaWartAkt),
                  k("CFWartFaktWyliczAkt", &R::CFWartFaktWyliczAkt), k("CzyFaktMaWartPoprz", &R::CzyFaktMaWartPoprz),
                  k("CFWartFaktWyliczPoprz", &R::CFWartFaktWyliczPoprz), k("DataRek", &R::DataRek));
}

QVariantList TRekWartFaktWylicz::wartosci() const
{
    return {IdWartFaktWylicz,         KodFakt,          w(WartFaktWylicz),
            w(CzyFaktMaWartAkt),      w(CFWartFaktWyliczAkt), w(CzyFaktMaWartPoprz),
            w(CFWartFaktWyliczPoprz), w(DataRek)};
}

TRekReg TRekReg::z(const PolaWiersza &p)
{
    using R = TRekReg;
    return czytaj(p, k("IdReg", &R::IdReg), k("KodSyst", &R::KodSyst), k("NazReg", &R::NazReg),
                  k("PozReg", &R::PozReg), k("KierWniReg", &R::KierWniReg), k("CFReg", &R::CFReg),
                  k("PrzesReg", &R::PrzesReg), k("KonklReg", &R::KonklReg), k("OpisKonklReg", &R::OpisKonklReg),
                  k("InstrReg", &R::InstrReg), k("OpisReg", &R::OpisReg), k("CzyOdpal", &R::CzyOdpal),
                  k("CFKonklReg", &R::CFKonklReg), k("CzyBieUdzWeWnios", &R::CzyBieUdzWeWnios),
                  k("DataRek", &R::DataRek));
}

TRekStala TRekStala::z(const PolaWiersza &p)
{
    using R = TRekStala;
    return czytaj(p, k("IdStala", &R::IdStala), k("KodSyst", &R::KodSyst), k("NazStala", &R::NazStala),
                  k("RodzStala", &R::RodzStala), k("TypStala", &R::TypStala), k("JedWartStala", &R::JedWartStala),
                  k("WartStalaProsta", &R::WartStalaProsta), k("KodArgStala", &R::KodArgStala),
                  k("WartParAStala", &R::WartParAStala), k("WartParBStala", &R::WartParBStala),
                  k("OpisStala", &R::OpisStala), k("PytStala", &R::PytStala), k("DataRek", &R::DataRek));
}

TRekTraj TRekTraj::z(const PolaWiersza &p)
{
    using R = TRekTraj;
    return czytaj(p, k("IdKrokTraj", &R::IdKrokTraj), k("KodSyst", &R::KodSyst), k("KodRegTraj", &R::KodRegTraj),
                  k("PozRegTraj", &R::PozRegTraj), k("IterRegTraj", &R::IterRegTraj),
                  k("KierWniTraj", &R::KierWniTraj), k("CzyOdpalTraj", &R::CzyOdpalTraj),
                  k("CFKonklRegTraj", &R::CFKonklRegTraj), k("PrzyczNieOdpalTraj", &R::PrzyczNieOdpalTraj),
                  k("DataRek", &R::DataRek));
}

TRekPlikMult TRekPlikMult::z(const PolaWiersza &p)
{
    using R = TRekPlikMult;
    return czytaj(p, k("IdPlikMult", &R::IdPlikMult), k("NazwaPliku", &R::NazwaPliku),
                  k("RodzajPliku", &R::RodzajPliku), k("StosWysDoSzer", &R::StosWysDoSzer),
                  k("CoPlikIlustr", &R::CoPlikIlustr), k("KodElemIlustr", &R::KodElemIlustr), k("Podpis", &R::Podpis),
                  k("DataRek", &R::DataRek));
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
    if (q.exec())
        wynik = rekordyZapytania<TRekPlikMult>(q);
    q.finish();
    return wynik;
}

std::optional<QSqlRecord> rekordOKluczu(Baza &baza, Tabela t, const QVariant &klucz, QString *blad)
{
    const OpisTabeli &o = opisTabeli(t);
    const QString par = QStringLiteral(":Par") + o.kluczGlowny;
    QSqlQuery q = baza.zapytanie();
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT * FROM %1 WHERE %2=%3").arg(o.nazwa, o.kluczGlowny, par));
    q.bindValue(par, klucz);
    if (!q.exec()) {
        if (blad)
            *blad = bladZapytania(q);
        return std::nullopt;
    }
    if (!q.next())
        return std::nullopt;
    return q.record();
}

QSqlQuery odczytSystemow(Baza &baza)
{
    QSqlQuery q = baza.zapytanie();
    q.prepare(QStringLiteral("SELECT IdSyst, NazSyst, OpisSyst FROM systemyeksperckie ORDER BY IdSyst"));
    q.exec();
    return q;
}

std::optional<QSqlQuery> odczytTrajektorii(Baza &baza, int kodSyst)
{
    QSqlQuery q = baza.zapytanie();
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT * FROM trajektoria WHERE KodSyst=:ParIdSyst ORDER BY IdKrokTraj"));
    q.bindValue(QStringLiteral(":ParIdSyst"), kodSyst);
    if (!q.exec())
        return std::nullopt;
    return q;
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
