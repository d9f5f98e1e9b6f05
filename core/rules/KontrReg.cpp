#include "KontrReg.h"

#include "Logika.h"
#include "Redukcja.h"
#include "Stale.h"
#include "app/ParKonfig.h"
#include "store/Konwersje.h"
#include "store/Slowa.h"

namespace tremida {

namespace {

const QStringList OperatoryPorownania = {QStringLiteral("="), QStringLiteral(">"), QStringLiteral(">="),
                                         QStringLiteral("<"), QStringLiteral("<=")};

// Adds a finding of one premise (nrPrzes > 0) or of the conclusion (nrPrzes == 0).
void dodaj(TWynikKontr &w, const TKontekstKontr &k, const QString &id, int nrPrzes, int idStala = 0,
           bool ostrzezenie = false)
{
    TUsterkaReg u;
    u.id = id;
    u.kodReg = k.kodReg;
    u.nrPrzes = nrPrzes;
    u.idStala = idStala;
    u.wKonkluzji = nrPrzes == 0;
    u.ostrzezenie = ostrzezenie;
    w.usterki.append(k.ramka.wypelnij(u));
}

// Looks up the value as a constant of the system and checks it. Returns the id of the
// failing check (C1..C14) or an empty text; fills the constant fields of `w`.
QString kontrStala(const QString &wart, const TKontekstKontr &k, TWynikKontr &w, TRekStala *stala)
{
    const auto s = k.dane.stalaONazwie(k.kodSyst, wart);
    if (!s)
        return QString();
    *stala = *s;
    w.stala = true;
    w.typStalej = s->TypStala;
    w.idStala = s->IdStala;
    if (s->RodzStala == slowa::Prosta) {
        const QString &v = s->WartStalaProsta;
        if (s->TypStala == slowa::Rzeczywista) {
            if (v.isEmpty())
                return QStringLiteral("C1");
            if (!tekstNaReal(v))
                return QStringLiteral("C2");
        } else if (s->TypStala == slowa::Calkowita) {
            if (v.isEmpty())
                return QStringLiteral("C3");
            if (!tekstNaInt(v))
                return QStringLiteral("C4");
        } else if (s->TypStala == slowa::Logiczna) {
            if (v.isEmpty())
                return QStringLiteral("C5");
            const QString g = v.toUpper();
            if (g != slowa::True && g != slowa::False && g != QLatin1String("UNKNOWN"))
                return QStringLiteral("C6");
        }
        w.stalaMaWartosc = true;
        w.wartStalej = v;
        return QString();
    }
    const auto arg = k.dane.faktOKodzie(s->KodArgStala);
    if (!arg)
        return QStringLiteral("C14");
    if (arg->TypFakt == slowa::Wyliczeniowy)
        return QStringLiteral("C7");
    if (s->TypStala == slowa::Logiczna && arg->TypFakt != slowa::Logiczny)
        return QStringLiteral("C8");
    const TWynikStalaObl o = WartStalaObl(arg->TypFakt, arg->WartFakt, s->WartParAStala, s->WartParBStala);
    if (o.stan == TWynikStalaObl::Stan::Blad)
        return o.idUsterki;
    if (o.stan == TWynikStalaObl::Stan::Wartosc) {
        w.stalaMaWartosc = true;
        w.wartStalej = o.wartosc;
    }
    return QString();
}

// Ids of the value findings of a premise (V) or of the conclusion (K): a constant of another
// type than the real, integer or logical fact, a constant value of the wrong form, a literal
// of the wrong form.
struct IdyWartosci {
    const char *typRzecz, *typCalk, *typLog, *postac, *literal;
};
const IdyWartosci IdyPrzes = {"V1", "V4", "V5", "V2", "V3"};
const IdyWartosci IdyKonkl = {"K5", "K8", "K9", "K6", "K7"};

// The constant checks and then the value checks by the fact's type; returns the id of the
// first failing check and the constant's IdStala in *idStala for a constant finding.
QString kontrWartoscSkalarna(const QString &typ, const QString &wart, const TKontekstKontr &k, TWynikKontr &w,
                             const IdyWartosci &idy, int *idStala)
{
    TRekStala s;
    const QString id = kontrStala(wart, k, w, &s);
    if (!id.isEmpty()) {
        *idStala = s.IdStala;
        return id;
    }
    const char *idTyp = typ == slowa::Rzeczywisty ? idy.typRzecz
                        : typ == slowa::Calkowity ? idy.typCalk
                        : typ == slowa::Logiczny  ? idy.typLog
                                                  : nullptr;
    if (!idTyp)
        return QString();
    if (w.stala) {
        if (!w.stalaMaWartosc)
            return QString();
        if (s.TypStala != typStalejDlaFaktu(typ))
            return QString::fromLatin1(idTyp);
        if (!czyWartoscStalejTypu(typ, w.wartStalej))
            return QString::fromLatin1(idy.postac);
        return QString();
    }
    if (!czyLiteralTypu(typ, wart))
        return QString::fromLatin1(idy.literal);
    return QString();
}

bool czyWartoscWyliczeniowa(const TKontekstKontr &k, int idFakt, const QString &wart)
{
    const QList<TRekWartFaktWylicz> wartosci = k.dane.wartosciFaktu(idFakt);
    for (const TRekWartFaktWylicz &r : wartosci)
        if (r.WartFaktWylicz == wart)
            return true;
    return false;
}

} // namespace

bool TWynikKontr::blad() const
{
    for (const TUsterkaReg &u : usterki)
        if (!u.ostrzezenie)
            return true;
    return false;
}

TWynikKontr KontrPrzesElem(const TPrzesElem &p, const TKontekstKontr &k)
{
    TWynikKontr w;
    const int nr = p.nr;
    const auto fakt = k.dane.faktONazwie(k.kodSyst, p.nazFakt);
    if (!fakt) {
        dodaj(w, k, QStringLiteral("P1"), nr);
        return w;
    }
    if (!OperatoryPorownania.contains(p.oper)) {
        dodaj(w, k, QStringLiteral("P2"), nr);
        return w;
    }
    const QString &typ = fakt->TypFakt;
    if (p.oper == QLatin1String("=") && typ == slowa::Rzeczywisty)
        dodaj(w, k, QStringLiteral("P3"), nr, 0, true);
    if (typ == slowa::Wyliczeniowy && p.oper != QLatin1String("=")) {
        dodaj(w, k, QStringLiteral("P4"), nr);
        return w;
    }
    if (typ == slowa::Logiczny && p.oper != QLatin1String("=")) {
        dodaj(w, k, QStringLiteral("P5"), nr);
        return w;
    }
    if (typ == slowa::Wyliczeniowy) {
        if (!czyWartoscWyliczeniowa(k, fakt->IdFakt, p.wart))
            dodaj(w, k, QStringLiteral("V6"), nr);
        return w;
    }
    int idStala = 0;
    const QString id = kontrWartoscSkalarna(typ, p.wart, k, w, IdyPrzes, &idStala);
    if (!id.isEmpty())
        dodaj(w, k, id, nr, idStala);
    return w;
}

TWynikKontr KontrKonklReg(const TPrzesElem &p, const TKontekstKontr &k)
{
    TWynikKontr w;
    const auto fakt = k.dane.faktONazwie(k.kodSyst, p.nazFakt);
    if (!fakt) {
        dodaj(w, k, QStringLiteral("K1"), 0);
        return w;
    }
    if (fakt->RodzFakt == slowa::Wprowadzany) {
        dodaj(w, k, QStringLiteral("K2"), 0);
        return w;
    }
    if (p.oper != QLatin1String("=")) {
        dodaj(w, k, QStringLiteral("K3"), 0);
        return w;
    }
    const QString &typ = fakt->TypFakt;
    if (typ == slowa::Wyliczeniowy) {
        if (!czyWartoscWyliczeniowa(k, fakt->IdFakt, p.wart))
            dodaj(w, k, QStringLiteral("K4"), 0);
        return w;
    }
    int idStala = 0;
    const QString id = kontrWartoscSkalarna(typ, p.wart, k, w, IdyKonkl, &idStala);
    if (!id.isEmpty())
        dodaj(w, k, id, 0, idStala);
    return w;
}

TPolaReg polaZRekordu(const TRekReg &r)
{
    TPolaReg p;
    p.IdReg = QString::number(r.IdReg);
    p.KodSyst = QString::number(r.KodSyst);
    p.NazReg = r.NazReg;
    p.PozReg = QString::number(r.PozReg);
    p.CFReg = realNaTekst(r.CFReg);
    if (r.KierWniReg == slowa::WPrzod || r.KierWniReg == slowa::Wstecz || r.KierWniReg == slowa::Oba)
        p.KierWniReg = r.KierWniReg;
    p.PrzesReg = r.PrzesReg;
    p.KonklReg = r.KonklReg;
    p.OpisKonklReg = r.OpisKonklReg;
    p.InstrReg = r.InstrReg;
    p.OpisReg = r.OpisReg;
    return p;
}

QStringList TWynikKontrSkladni::komunikaty() const
{
    QStringList t;
    for (const TUsterkaReg &u : usterki)
        t.append(u.tekst);
    if (poprawna)
        t.append(komunikatSkladniaPoprawna(zZastrzezeniem));
    return t;
}

TWynikKontrSkladni KontrSkladniReg(const TPolaReg &pola, const IDaneReg &dane, const TParKonfig &konfig,
                                   const TRamkaReg &ramka)
{
    TWynikKontrSkladni wynik;
    auto zglos = [&](const QString &id, bool ostrzezenie = false) {
        TUsterkaReg u;
        u.id = id;
        u.kodReg = pola.IdReg;
        u.maxPoz = konfig.MaxPozReg;
        u.ostrzezenie = ostrzezenie;
        wynik.usterki.append(ramka.wypelnij(u));
        if (ostrzezenie)
            wynik.zZastrzezeniem = true;
    };

    // Presence of the fields.
    const std::pair<const QString *, const char *> wymagane[] = {
        {&pola.IdReg, "M1"},  {&pola.KodSyst, "M2"},    {&pola.NazReg, "M3"},   {&pola.PozReg, "M4"},
        {&pola.CFReg, "M5"},  {&pola.KierWniReg, "M6"}, {&pola.PrzesReg, "M7"}, {&pola.KonklReg, "M8"},
    };
    for (const auto &[pole, id] : wymagane) {
        if (pole->isEmpty()) {
            zglos(QString::fromLatin1(id));
            return wynik;
        }
    }
    // Descriptions: warnings only.
    if (pola.OpisKonklReg.isEmpty())
        zglos(QStringLiteral("W1"), true);
    if (pola.InstrReg.isEmpty())
        zglos(QStringLiteral("W2"), true);
    if (pola.OpisReg.isEmpty())
        zglos(QStringLiteral("W3"), true);

    // Forms.
    if (!tekstNaInt(pola.IdReg)) {
        zglos(QStringLiteral("M9"));
        return wynik;
    }
    const auto kodSyst = tekstNaInt(pola.KodSyst);
    if (!kodSyst) {
        zglos(QStringLiteral("M10"));
        return wynik;
    }
    const auto poz = tekstNaInt(pola.PozReg);
    if (!poz) {
        zglos(QStringLiteral("M11"));
        return wynik;
    }
    if (*poz < 1 || *poz > konfig.MaxPozReg) {
        zglos(QStringLiteral("M12"));
        return wynik;
    }
    const auto cf = tekstNaReal(pola.CFReg);
    if (!cf) {
        zglos(QStringLiteral("M13"));
        return wynik;
    }
    if (*cf < 0.0 || *cf > 1.0) {
        zglos(QStringLiteral("M14"));
        return wynik;
    }

    // Raw bracket counts.
    const QString &pp = pola.PrzesReg;
    const QString &pk = pola.KonklReg;
    const qsizetype kwOtwP = pp.count(u'['), kwOtwK = pk.count(u'[');
    const std::pair<bool, const char *> liczby[] = {
        {pp.count(u'(') != pp.count(u')'), "S1"}, {kwOtwP != pp.count(u']'), "S2"}, {kwOtwP % 2 != 0, "S3"},
        {pk.count(u'(') != pk.count(u')'), "S4"}, {kwOtwK != pk.count(u']'), "S5"}, {kwOtwK != 2, "S6"},
    };
    for (const auto &[blad, id] : liczby) {
        if (blad) {
            zglos(QString::fromLatin1(id));
            return wynik;
        }
    }

    // Elementary premises.
    const TKontekstKontr k{dane, *kodSyst, pola.IdReg, ramka};
    const TSkanPola skan = SkanujPolePrzes(pp);
    QStringList tokeny;
    tokeny.reserve(skan.przes.size());
    const QString token = tokenKontrolny();
    for (const TPrzesElem &p : skan.przes) {
        const TWynikKontr w = KontrPrzesElem(p, k);
        for (const TUsterkaReg &u : w.usterki) {
            wynik.usterki.append(u);
            if (u.ostrzezenie)
                wynik.zZastrzezeniem = true;
        }
        if (w.blad())
            return wynik;
        tokeny.append(token);
    }

    // Structure of the premise field.
    const TWynikRedukcji r = RedukujPolePrzesReg(skan.tekstTokenow(tokeny), pola.IdReg, ramka, konfig);
    wynik.usterki.append(r.usterki);
    if (r.stan == TWynikRedukcji::Stan::Usterka)
        return wynik;

    // Conclusion.
    const TWynikKontr w = KontrKonklReg(SkanujKonkl(pk).value_or(TPrzesElem()), k);
    wynik.usterki.append(w.usterki);
    if (w.blad())
        return wynik;
    wynik.poprawna = true;
    return wynik;
}

} // namespace tremida
