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
void dodaj(TWynikKontr &w, const TKontekstKontr &k, IdUsterki id, int nrPrzes, int idStala = 0,
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
// failing check (C1..C14) or no value; fills the constant fields of `w`.
std::optional<IdUsterki> kontrStala(const QString &wart, const TKontekstKontr &k, TWynikKontr &w, TRekStala *stala)
{
    const auto s = k.dane.stalaONazwie(k.kodSyst, wart);
    if (!s)
        return std::nullopt;
    *stala = *s;
    w.stala = true;
    w.typStalej = s->TypStala;
    w.idStala = s->IdStala;
    if (s->RodzStala == slowa::Prosta) {
        const QString &v = s->WartStalaProsta;
        if (s->TypStala == slowa::Rzeczywista) {
            if (v.isEmpty())
                return IdUsterki::C1;
            if (!tekstNaReal(v))
                return IdUsterki::C2;
        } else if (s->TypStala == slowa::Calkowita) {
            if (v.isEmpty())
                return IdUsterki::C3;
            if (!tekstNaInt(v))
                return IdUsterki::C4;
        } else if (s->TypStala == slowa::Logiczna) {
            if (v.isEmpty())
                return IdUsterki::C5;
            const QString g = v.toUpper();
            if (g != slowa::True && g != slowa::False && g != QLatin1String("UNKNOWN"))
                return IdUsterki::C6;
        }
        w.stalaMaWartosc = true;
        w.wartStalej = v;
        return std::nullopt;
    }
    const auto arg = k.dane.faktOKodzie(s->KodArgStala);
    if (!arg)
        return IdUsterki::C14;
    if (arg->TypFakt == slowa::Wyliczeniowy)
        return IdUsterki::C7;
    if (s->TypStala == slowa::Logiczna && arg->TypFakt != slowa::Logiczny)
        return IdUsterki::C8;
    const TWynikStalaObl o = WartStalaObl(arg->TypFakt, arg->WartFakt, s->WartParAStala, s->WartParBStala);
    if (o.stan == TWynikStalaObl::Stan::Blad)
        return o.idUsterki;
    if (o.stan == TWynikStalaObl::Stan::Wartosc) {
        w.stalaMaWartosc = true;
        w.wartStalej = o.wartosc;
    }
    return std::nullopt;
}

// Ids of the value findings of a premise (V) or of the conclusion (K): a constant of another
// type than the real, integer or logical fact, a constant value of the wrong form, a literal
// of the wrong form.
struct IdyWartosci {
    IdUsterki typRzecz, typCalk, typLog, postac, literal;
};
const IdyWartosci IdyPrzes = {IdUsterki::V1, IdUsterki::V4, IdUsterki::V5, IdUsterki::V2, IdUsterki::V3};
const IdyWartosci IdyKonkl = {IdUsterki::K5, IdUsterki::K8, IdUsterki::K9, IdUsterki::K6, IdUsterki::K7};

// The constant checks and then the value checks by the fact's type; returns the id of the
// first failing check (or no value) and the constant's IdStala in *idStala for a constant finding.
std::optional<IdUsterki> kontrWartoscSkalarna(const QString &typ, const QString &wart, const TKontekstKontr &k, TWynikKontr &w,
                             const IdyWartosci &idy, int *idStala)
{
    TRekStala s;
    if (const auto id = kontrStala(wart, k, w, &s)) {
        *idStala = s.IdStala;
        return id;
    }
    const std::optional<IdUsterki> idTyp = typ == slowa::Rzeczywisty ? idy.typRzecz
                                           : typ == slowa::Calkowity ? idy.typCalk
                                           : typ == slowa::Logiczny  ? std::optional(idy.typLog)
                                                                     : std::nullopt;
    if (!idTyp)
        return std::nullopt;
    if (w.stala) {
        if (!w.stalaMaWartosc)
            return std::nullopt;
        if (s.TypStala != typStalejDlaFaktu(typ))
            return idTyp;
        if (!czyWartoscStalejTypu(typ, w.wartStalej))
            return idy.postac;
        return std::nullopt;
    }
    if (!czyLiteralTypu(typ, wart))
        return idy.literal;
    return std::nullopt;
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
        dodaj(w, k, IdUsterki::P1, nr);
        return w;
    }
    if (!OperatoryPorownania.contains(p.oper)) {
        dodaj(w, k, IdUsterki::P2, nr);
        return w;
    }
    const QString &typ = fakt->TypFakt;
    if (p.oper == QLatin1String("=") && typ == slowa::Rzeczywisty)
        dodaj(w, k, IdUsterki::P3, nr, 0, true);
    if (typ == slowa::Wyliczeniowy && p.oper != QLatin1String("=")) {
        dodaj(w, k, IdUsterki::P4, nr);
        return w;
    }
    if (typ == slowa::Logiczny && p.oper != QLatin1String("=")) {
        dodaj(w, k, IdUsterki::P5, nr);
        return w;
    }
    if (typ == slowa::Wyliczeniowy) {
        if (!czyWartoscWyliczeniowa(k, fakt->IdFakt, p.wart))
            dodaj(w, k, IdUsterki::V6, nr);
        return w;
    }
    int idStala = 0;
    if (const auto id = kontrWartoscSkalarna(typ, p.wart, k, w, IdyPrzes, &idStala))
        dodaj(w, k, *id, nr, idStala);
    return w;
}

TWynikKontr KontrKonklReg(const TPrzesElem &p, const TKontekstKontr &k)
{
    TWynikKontr w;
    const auto fakt = k.dane.faktONazwie(k.kodSyst, p.nazFakt);
    if (const auto id = UsterkaFaktuKonkl(fakt)) {
        dodaj(w, k, *id, 0);
        return w;
    }
    if (p.oper != QLatin1String("=")) {
        dodaj(w, k, IdUsterki::K3, 0);
        return w;
    }
    const QString &typ = fakt->TypFakt;
    if (typ == slowa::Wyliczeniowy) {
        if (!czyWartoscWyliczeniowa(k, fakt->IdFakt, p.wart))
            dodaj(w, k, IdUsterki::K4, 0);
        return w;
    }
    int idStala = 0;
    if (const auto id = kontrWartoscSkalarna(typ, p.wart, k, w, IdyKonkl, &idStala))
        dodaj(w, k, *id, 0, idStala);
    return w;
}

QList<IdUsterki> UsterkiNawiasow(const QString &przesReg, const QString &konklReg)
{
    const qsizetype kwP = przesReg.count(u'['), kwK = konklReg.count(u'[');
    const std::pair<bool, IdUsterki> liczby[] = {
        {przesReg.count(u'(') != przesReg.count(u')'), IdUsterki::S1},
        {kwP != przesReg.count(u']'), IdUsterki::S2},
        {kwP % 2 != 0, IdUsterki::S3},
        {konklReg.count(u'(') != konklReg.count(u')'), IdUsterki::S4},
        {kwK != konklReg.count(u']'), IdUsterki::S5},
        {kwK != 2, IdUsterki::S6},
    };
    QList<IdUsterki> wynik;
    for (const auto &[blad, id] : liczby)
        if (blad)
            wynik.append(id);
    return wynik;
}

std::optional<IdUsterki> UsterkaFaktuKonkl(const std::optional<TRekFakt> &fakt)
{
    if (!fakt)
        return IdUsterki::K1;
    if (fakt->RodzFakt == slowa::Wprowadzany)
        return IdUsterki::K2;
    return std::nullopt;
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
    auto zglos = [&](IdUsterki id, bool ostrzezenie = false) {
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
    const std::pair<const QString *, IdUsterki> wymagane[] = {
        {&pola.IdReg, IdUsterki::M1},  {&pola.KodSyst, IdUsterki::M2},    {&pola.NazReg, IdUsterki::M3},   {&pola.PozReg, IdUsterki::M4},
        {&pola.CFReg, IdUsterki::M5},  {&pola.KierWniReg, IdUsterki::M6}, {&pola.PrzesReg, IdUsterki::M7}, {&pola.KonklReg, IdUsterki::M8},
    };
    for (const auto &[pole, id] : wymagane) {
        if (pole->isEmpty()) {
            zglos(id);
            return wynik;
        }
    }
    // Descriptions: warnings only.
    if (pola.OpisKonklReg.isEmpty())
        zglos(IdUsterki::W1, true);
    if (pola.InstrReg.isEmpty())
        zglos(IdUsterki::W2, true);
    if (pola.OpisReg.isEmpty())
        zglos(IdUsterki::W3, true);

    // Forms.
    if (!tekstNaInt(pola.IdReg)) {
        zglos(IdUsterki::M9);
        return wynik;
    }
    const auto kodSyst = tekstNaInt(pola.KodSyst);
    if (!kodSyst) {
        zglos(IdUsterki::M10);
        return wynik;
    }
    const auto poz = tekstNaInt(pola.PozReg);
    if (!poz) {
        zglos(IdUsterki::M11);
        return wynik;
    }
    if (*poz < 1 || *poz > konfig.MaxPozReg) {
        zglos(IdUsterki::M12);
        return wynik;
    }
    const auto cf = tekstNaReal(pola.CFReg);
    if (!cf) {
        zglos(IdUsterki::M13);
        return wynik;
    }
    if (*cf < 0.0 || *cf > 1.0) {
        zglos(IdUsterki::M14);
        return wynik;
    }

    // Raw bracket counts.
    const QString &pp = pola.PrzesReg;
    const QString &pk = pola.KonklReg;
    if (const QList<IdUsterki> nawiasy = UsterkiNawiasow(pp, pk); !nawiasy.isEmpty()) {
        zglos(nawiasy.first());
        return wynik;
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
