#include "OcenaReg.h"

#include "DostepWnios.h"
#include "KomunikatyWnios.h"
#include "store/Baza.h"
#include "store/Konwersje.h"
#include "store/Slowa.h"
#include "rules/KontrReg.h"
#include "rules/Stale.h"

#include <QSqlQuery>
#include <QVarLengthArray>

#include <cmath>

namespace tremida {

using jezyk::Wart;

namespace {

// The comparison operators of a premise.
enum class Oper { Rowne, Wieksze, WiekszeRowne, Mniejsze, MniejszeRowne, Nieznany };

Oper rodzajOper(const QString &op)
{
    const qsizetype n = op.size();
    if (n < 1 || n > 2)
        return Oper::Nieznany;
    const char16_t a = op.at(0).unicode();
    if (n == 1)
        return a == u'=' ? Oper::Rowne : a == u'>' ? Oper::Wieksze : a == u'<' ? Oper::Mniejsze : Oper::Nieznany;
    if (op.at(1).unicode() != u'=')
        return Oper::Nieznany;
    return a == u'>' ? Oper::WiekszeRowne : a == u'<' ? Oper::MniejszeRowne : Oper::Nieznany;
}

bool czyPochodny(const TRekFakt &f) { return f.RodzFakt == slowa::Posredni || f.RodzFakt == slowa::Koncowy; }

bool czyPytac(const TRekFakt &f) { return f.RodzFakt == slowa::Wprowadzany && f.WartPoprzFakt != slowa::Nzn; }

// A text of letters a-z alone compared with a word of capitals, without making its upper case.
std::optional<bool> rownyBezWielkosci(const QString &t, QLatin1StringView slowo)
{
    if (t.size() != slowo.size())
        return false;
    for (qsizetype i = 0; i < t.size(); ++i) {
        const char16_t c = t[i].unicode();
        if (c >= 0x80)
            return std::nullopt;
        if ((c >= u'a' && c <= u'z' ? c - 32 : c) != char16_t(slowo[i].unicode()))
            return false;
    }
    return true;
}

std::optional<bool> tekstNaLog(const QString &t)
{
    // The common case, a text of plain letters, needs no upper-case copy.
    const auto prawda = rownyBezWielkosci(t, QLatin1StringView("TRUE"));
    const auto falsz = rownyBezWielkosci(t, QLatin1StringView("FALSE"));
    if (prawda && falsz) {
        if (*prawda)
            return true;
        if (*falsz)
            return false;
        return std::nullopt;
    }
    const QString g = t.toUpper();
    if (g == slowa::True)
        return true;
    if (g == slowa::False)
        return false;
    return std::nullopt;
}

QString bezOdstepow(QString t) { return t.remove(u' '); }

template <typename T>
bool porownaj(Oper op, T x, T y)
{
    switch (op) {
    case Oper::Rowne: return x == y;
    case Oper::Wieksze: return x > y;
    case Oper::WiekszeRowne: return x >= y;
    case Oper::Mniejsze: return x < y;
    default: return x <= y;
    }
}

TTokenPrzes nieznany() { return {Wart::Unknown, 0.0}; }

} // namespace

std::optional<TRekFakt> FaktKonkluzji(Baza &baza, int kodSyst, const std::optional<TPrzesElem> &konkl,
                                      IdUsterki *usterka)
{
    const auto fakt = konkl ? dostep::faktONazwie(baza, kodSyst, konkl->nazFakt) : std::nullopt;
    if (const auto u = UsterkaFaktuKonkl(fakt)) {
        *usterka = *u;
        return std::nullopt;
    }
    return fakt;
}

std::optional<TRekFakt> FaktHipotezy(Baza &baza, const TSesjaWnios &sesja, TUzytkownikWnios &uzytkownik,
                                     const QString &tekst)
{
    IdUsterki usterka{};
    const auto fakt = FaktKonkluzji(baza, sesja.KodSyst, SkanujKonkl(tekst), &usterka);
    if (!fakt)
        uzytkownik.komunikat(jezyk::komunikat(usterka, sesja.OstatniKodReg));
    return fakt;
}

TOcenaReg::TOcenaReg(Baza &baza, const TParKonfig &konfig, TSesjaWnios &sesja, TUzytkownikWnios &uzytkownik)
    : m_baza(baza), m_konfig(konfig), m_sesja(sesja), m_uzytkownik(uzytkownik)
{
}

void TOcenaReg::blad(const QString &tekst) { m_uzytkownik.komunikat(tekst); }

bool TOcenaReg::pytac(const TRekFakt &fakt) const { return !tylkoOdczyt && czyPytac(fakt); }

void TOcenaReg::dodajBezWart(int idFakt)
{
    if (m_bezWartosci && !m_bezWartosci->contains(idFakt))
        m_bezWartosci->append(idFakt);
}

bool TOcenaReg::zapytaj(const TRekFakt &fakt, ZrodloPytania zrodlo)
{
    TKontekstCzytFakt k;
    k.tryb = trybPytania;
    k.zrodlo = zrodlo;
    k.kodSyst = m_sesja.KodSyst;
    k.nazSyst = m_sesja.NazSyst;
    k.fakt = fakt;
    if (fakt.TypFakt == slowa::Wyliczeniowy)
        k.wartosci = dostep::wartosciFaktu(m_baza, fakt.IdFakt);
    ++m_liczbaPytan;
    m_uzytkownik.czytajFakt(k);
    // A value the dialog could not save ends the asking: the run stops with the failure.
    return k.zamknietyOk && !m_baza.blad();
}

std::shared_ptr<const TRekFakt> TOcenaReg::faktONazwie(const QString &nazwa, TNazwyPrzeslanki *n)
{
    if (!n)
        return dostep::faktONazwieDzielony(m_baza, m_sesja.KodSyst, nazwa);
    const quint64 pokolenie = dostep::pokolenieOdczytow(m_baza);
    if (pokolenie && n->pokolenieFaktu == pokolenie && n->miejsce && n->miejsce->rekord)
        return n->miejsce->rekord;
    auto fakt = dostep::faktONazwieDzielony(m_baza, m_sesja.KodSyst, nazwa);
    n->pokolenieFaktu = pokolenie;
    n->miejsce = fakt && pokolenie ? dostep::miejsceFaktu(m_baza, fakt->IdFakt) : nullptr;
    return fakt;
}

std::shared_ptr<const TRekStala> TOcenaReg::stalaONazwie(const QString &wartosc, TNazwyPrzeslanki *n)
{
    // Inference never writes a constant: the one found stays true while the records last.
    const quint64 pokolenie = n ? dostep::pokolenieOdczytow(m_baza) : 0;
    if (pokolenie && n->pokolenieStalej == pokolenie)
        return n->stala;
    auto stala = dostep::stalaONazwieDzielona(m_baza, m_sesja.KodSyst, wartosc);
    if (n) {
        n->pokolenieStalej = pokolenie;
        n->stala = stala;
    }
    return stala;
}

std::optional<double> TOcenaReg::liczbaRzecz(const QString &tekst, TLiczbaTekstu *ostatnia)
{
    // Held characters shared with `tekst` are the same characters.
    if (ostatnia && !tekst.isNull() && ostatnia->odczyt == Odczyt::Rzeczywista && ostatnia->tekst.isSharedWith(tekst))
        return ostatnia->liczba;
    const auto it = m_liczbyRzecz.constFind(tekst);
    if (it != m_liczbyRzecz.constEnd()) {
        if (ostatnia)
            *ostatnia = {tekst, Odczyt::Rzeczywista, *it};
        return *it;
    }
    if (m_liczbyRzecz.size() > 4096)
        m_liczbyRzecz.clear();
    const std::optional<double> liczba = tekstNaReal(tekst);
    m_liczbyRzecz.insert(tekst, liczba);
    if (ostatnia)
        *ostatnia = {tekst, Odczyt::Rzeczywista, liczba};
    return liczba;
}

std::optional<TOcenaReg::TStala> TOcenaReg::rozwiazStala(const QString &kod, int przeslanka, const QString &wartosc,
                                                         TNazwyPrzeslanki *n)
{
    TStala wynik;
    const auto stala = stalaONazwie(wartosc, n);
    if (!stala)
        return wynik;
    wynik.jest = true;
    wynik.typ = stala->TypStala;
    if (stala->RodzStala == slowa::Prosta) {
        wynik.maWart = true;
        wynik.wartosc = stala->WartStalaProsta;
        return wynik;
    }
    auto arg = dostep::fakt(m_baza, stala->KodArgStala);
    if (!arg)
        return wynik; // an argument that does not exist gives the constant no value
    auto bladStalej = [&](IdUsterki id) -> std::optional<TStala> {
        blad(kom::ramkaB(kod, przeslanka, kom::szczegolStalej(id)));
        return std::nullopt;
    };
    if (arg->TypFakt == slowa::Wyliczeniowy)
        return bladStalej(IdUsterki::C7);
    if (stala->TypStala == slowa::Logiczna && arg->TypFakt != slowa::Logiczny)
        return bladStalej(IdUsterki::C8);
    if (arg->WartFakt == slowa::BrakWartosci && pytac(*arg)) {
        m_uzytkownik.komunikat(kom::Q3(arg->TypFakt, arg->IdFakt, stala->IdStala));
        zapytaj(*arg, ZrodloPytania::ArgumentStalej);
        if (auto poDialogu = dostep::fakt(m_baza, arg->IdFakt))
            arg = poDialogu;
    }
    if (arg->WartFakt == slowa::BrakWartosci)
        return wynik;
    const TWynikStalaObl w = WartStalaObl(arg->TypFakt, arg->WartFakt, stala->WartParAStala, stala->WartParBStala);
    if (w.stan == TWynikStalaObl::Stan::Blad)
        return bladStalej(w.idUsterki);
    if (w.stan == TWynikStalaObl::Stan::BrakWartosci)
        return wynik;
    wynik.maWart = true;
    wynik.wartosc = w.wartosc;
    return wynik;
}

std::optional<TTokenPrzes> TOcenaReg::OblPrzesElem(const QString &kod, const TPrzesElem &p)
{
    return ocenPrzeslanke(kod, p, nullptr);
}

std::optional<TTokenPrzes> TOcenaReg::ocenPrzeslanke(const QString &kod, const TPrzesElem &p, TNazwyPrzeslanki *n)
{
    m_ostatniaPrzeslanka = p.nr;
    auto bladP = [&](IdUsterki id) -> std::optional<TTokenPrzes> {
        blad(jezyk::komunikat(id, kod, p.nr));
        return std::nullopt;
    };
    const auto fakt = faktONazwie(p.nazFakt, n);
    if (!fakt)
        return bladP(IdUsterki::P1);
    const Oper op = rodzajOper(p.oper);
    if (op == Oper::Nieznany)
        return bladP(IdUsterki::P2);
    if (op == Oper::Rowne && fakt->TypFakt == slowa::Rzeczywisty)
        m_uzytkownik.komunikat(jezyk::komunikat(IdUsterki::P3, kod, p.nr));
    if (fakt->TypFakt == slowa::Wyliczeniowy) {
        if (op != Oper::Rowne)
            return bladP(IdUsterki::P4);
        return ocenWylicz(kod, p, *fakt);
    }
    if (fakt->TypFakt == slowa::Logiczny && op != Oper::Rowne)
        return bladP(IdUsterki::P5);
    if (fakt->TypFakt != slowa::Rzeczywisty && fakt->TypFakt != slowa::Calkowity &&
        fakt->TypFakt != slowa::Logiczny) {
        blad(kom::ramkaB(kod, p.nr, kom::N4())); // a type word the rule language does not know
        return std::nullopt;
    }
    const int pytaniaPrzed = m_liczbaPytan;
    const auto stala = rozwiazStala(kod, p.nr, p.wart, n);
    if (!stala)
        return std::nullopt;
    if (m_liczbaPytan == pytaniaPrzed)
        return ocenSkalar(kod, p, *fakt, *stala, n);
    // The constant has asked for its argument (Q3), which may be this very fact: the answer,
    // or its "nzn" mark, counts at once, and the fact is not asked for a second time.
    const auto poStalej = faktONazwie(p.nazFakt, n);
    return ocenSkalar(kod, p, poStalej ? *poStalej : *fakt, *stala, n);
}

std::optional<TTokenPrzes> TOcenaReg::ocenWylicz(const QString &kod, const TPrzesElem &p, TRekFakt fakt)
{
    bool moznaPytac = true;
    for (;;) {
        const auto wiersze = dostep::wartosciFaktu(m_baza, fakt.IdFakt);
        if (wiersze.isEmpty()) {
            blad(kom::ramkaB(kod, p.nr, kom::N1()));
            return std::nullopt;
        }
        int n = 0;
        bool pasuje = false;
        std::optional<TTokenPrzes> tok;
        for (const TRekWartFaktWylicz &w : wiersze) {
            if (w.CzyFaktMaWartAkt == slowa::Tak)
                ++n;
            if (w.WartFaktWylicz != p.wart)
                continue;
            pasuje = true;
            const double cf = zaokraglijCF(w.CFWartFaktWyliczAkt.value_or(0.0));
            if (w.CzyFaktMaWartAkt == slowa::Tak) {
                tok = TTokenPrzes{Wart::True, cf};
            } else if (w.CzyFaktMaWartAkt == slowa::Nie) {
                tok = TTokenPrzes{Wart::False, cf};
            } else if (w.CzyFaktMaWartAkt == slowa::BrakWartosci) {
                tok = TTokenPrzes{Wart::Unknown, cf};
                if (czyPochodny(fakt))
                    dodajBezWart(fakt.IdFakt);
            }
        }
        if (!tok) {
            tok = nieznany();
            dodajBezWart(fakt.IdFakt);
        }
        if (fakt.RodzFakt == slowa::Wprowadzany && n == 0 && pytac(fakt) && moznaPytac) {
            m_uzytkownik.komunikat(kom::Q1(fakt.IdFakt));
            // A dialog left without its OK button records nothing; asking again would never end.
            moznaPytac = zapytaj(fakt, ZrodloPytania::Przeslanka);
            if (auto poDialogu = dostep::fakt(m_baza, fakt.IdFakt))
                fakt = *poDialogu;
            continue;
        }
        if (fakt.CzyWielWart == slowa::Nie && n > 1) {
            if (fakt.RodzFakt == slowa::Wprowadzany) {
                blad(kom::N2(fakt.IdFakt));
                return std::nullopt;
            }
            m_uzytkownik.komunikat(kom::N3(fakt.IdFakt));
        }
        if (!pasuje) {
            blad(jezyk::komunikat(IdUsterki::V6, kod, p.nr));
            return std::nullopt;
        }
        return tok;
    }
}

std::optional<TTokenPrzes> TOcenaReg::ocenSkalar(const QString &kod, const TPrzesElem &p, const TRekFakt &faktCzytany,
                                                 const TStala &stala, TNazwyPrzeslanki *n)
{
    const TRekFakt *wsk = &faktCzytany;
    std::optional<TRekFakt> poDialogu;
    auto bladP = [&](IdUsterki id) -> std::optional<TTokenPrzes> {
        blad(jezyk::komunikat(id, kod, p.nr));
        return std::nullopt;
    };
    auto bladN4 = [&]() -> std::optional<TTokenPrzes> {
        blad(kom::ramkaB(kod, p.nr, kom::N4()));
        return std::nullopt;
    };
    if (wsk->WartFakt == slowa::BrakWartosci) {
        if (czyPochodny(*wsk))
            dodajBezWart(wsk->IdFakt);
        if (!pytac(*wsk))
            return nieznany();
        m_uzytkownik.komunikat(kom::Q2(wsk->TypFakt, wsk->IdFakt));
        zapytaj(*wsk, ZrodloPytania::Przeslanka);
        poDialogu = dostep::fakt(m_baza, wsk->IdFakt);
        if (!poDialogu || poDialogu->WartFakt == slowa::BrakWartosci)
            return nieznany();
        wsk = &*poDialogu;
    }
    const TRekFakt &fakt = *wsk;
    const double cf = zaokraglijCF(fakt.CFWartFakt.value_or(0.0));
    const QString &typ = fakt.TypFakt;
    const Odczyt odczyt = typ == slowa::Rzeczywisty ? Odczyt::Rzeczywista
                          : typ == slowa::Calkowity ? Odczyt::Calkowita
                                                    : Odczyt::Logiczna;
    const QString &typStalej = odczyt == Odczyt::Rzeczywista ? slowa::Rzeczywista
                               : odczyt == Odczyt::Calkowita ? slowa::Calkowita
                                                             : slowa::Logiczna;
    const IdUsterki bladTypu = odczyt == Odczyt::Rzeczywista ? IdUsterki::V1
                               : odczyt == Odczyt::Calkowita ? IdUsterki::V4
                                                             : IdUsterki::V5;

    // x from the fact's value, y from the right side (the constant's value or the literal
    // without blanks), both read by the fact's type.
    const auto x = odczyt == Odczyt::Rzeczywista ? liczbaRzecz(fakt.WartFakt, n ? &n->lewa : nullptr)
                                                 : wartoscTekstu(fakt.WartFakt, odczyt, n ? &n->lewa : nullptr);
    if (!x)
        return bladN4();
    if (stala.jest && !stala.maWart)
        return nieznany();
    if (stala.jest && stala.typ != typStalej)
        return bladP(bladTypu);
    if (n && !n->literal)
        n->literal = bezOdstepow(p.wart);
    const QString prawa = stala.jest ? stala.wartosc : n ? *n->literal : bezOdstepow(p.wart);
    const auto y = odczyt == Odczyt::Rzeczywista ? liczbaRzecz(prawa, n ? &n->prawa : nullptr)
                                                 : wartoscTekstu(prawa, odczyt, n ? &n->prawa : nullptr);
    if (!y)
        return bladP(stala.jest ? IdUsterki::V2 : IdUsterki::V3);
    return TTokenPrzes{porownaj(rodzajOper(p.oper), *x, *y) ? Wart::True : Wart::False, cf};
}

std::optional<double> TOcenaReg::wartoscTekstu(const QString &tekst, Odczyt odczyt, TLiczbaTekstu *ostatnia)
{
    if (ostatnia && !tekst.isNull() && ostatnia->odczyt == odczyt && ostatnia->tekst.isSharedWith(tekst))
        return ostatnia->liczba;
    std::optional<double> wynik;
    if (odczyt == Odczyt::Calkowita) {
        if (const auto i = tekstNaInt(tekst))
            wynik = double(*i);
    } else if (const auto b = tekstNaLog(tekst)) {
        wynik = *b ? 1.0 : 0.0;
    }
    if (ostatnia)
        *ostatnia = {tekst, odczyt, wynik};
    return wynik;
}

size_t TOcenaReg::HashKlucza::operator()(const TKluczTokenow &k) const noexcept
{
    return qHashBits(k.tokeny.data(), sizeof(quint16) * size_t(k.liczba), size_t(k.liczba));
}

const TOcenaReg::TRegulaPrzygotowana &TOcenaReg::przygotowana(const TRekReg &reg)
{
    if (m_normyRedukcji.first != m_konfig.TNormaIloczyn || m_normyRedukcji.second != m_konfig.SNormaSuma) {
        m_redukcje.clear();
        m_reguly.clear();
        m_normyRedukcji = {m_konfig.TNormaIloczyn, m_konfig.SNormaSuma};
    }
    // Texts read again from the table are new copies of the same characters as a rule; the
    // remembered copies are then replaced by them, so the next comparison is of places only.
    auto teSame = [](QString &zapamietany, const QString &tekst) {
        if (zapamietany.isSharedWith(tekst))
            return true;
        if (zapamietany != tekst || zapamietany.isNull() != tekst.isNull())
            return false;
        zapamietany = tekst;
        return true;
    };
    const auto it = m_reguly.find(reg.IdReg);
    if (it != m_reguly.end() && teSame(it->second.przes, reg.PrzesReg) && teSame(it->second.konkl, reg.KonklReg))
        return it->second;
    // A bound keeps memory small when rule texts are edited between many runs.
    if (m_reguly.size() > 20000)
        m_reguly.clear();
    TRegulaPrzygotowana &r = m_reguly[reg.IdReg];
    r.przes = reg.PrzesReg;
    r.konkl = reg.KonklReg;
    r.kod = QString::number(reg.IdReg);
    r.bladNawiasow = jezyk::kontrolaNawiasow(r.kod, reg.PrzesReg, reg.KonklReg);
    r.pole = skanPola(reg.PrzesReg);
    r.konklSkan = skanKonkl(reg.KonklReg);
    r.redukcje.clear();
    r.nazwy.assign(size_t(r.pole.przes.size()) + 1, TNazwyPrzeslanki());
    return r;
}

TWynikReg TOcenaReg::OcenRegule(const TRekReg &reg, QList<TTokenPrzes> *tokenyPrzeslanek)
{
    return ocenRegule(reg, const_cast<TRegulaPrzygotowana &>(przygotowana(reg)), tokenyPrzeslanek);
}

TWynikReg TOcenaReg::ocenRegule(const TRekReg &reg, TRegulaPrzygotowana &rp, QList<TTokenPrzes> *tokenyPrzeslanek)
{
    TWynikReg wynik;
    const QString kod = rp.kod;
    auto przerwij = [&](const QString &tekst) {
        blad(tekst);
        wynik.przerwanie = true;
        return wynik;
    };

    if (rp.bladNawiasow)
        return przerwij(*rp.bladNawiasow);

    // The premise field's value and CF: the token of every elementary premise in place of the
    // premise, reduced. A field reduced before with the same tokens is not reduced again.
    const TSkanPola &pole = rp.pole;
    QVarLengthArray<TTokenPrzes, 8> tokeny;
    for (const TPrzesElem &p : pole.przes) {
        const auto tok = ocenPrzeslanke(kod, p, &rp.nazwy[size_t(tokeny.size())]);
        if (!tok) {
            wynik.przerwanie = true;
            return wynik;
        }
        if (tokenyPrzeslanek)
            tokenyPrzeslanek->append(*tok);
        tokeny.append(*tok);
    }
    TKluczTokenow klucz;
    bool zKluczem = tokeny.size() <= qsizetype(klucz.tokeny.size());
    for (qsizetype i = 0; zKluczem && i < tokeny.size(); ++i) {
        const double r = zaokraglijCF(tokeny[i].cf);
        const double setne = std::round(std::fabs(r) * 100.0);
        zKluczem = std::isfinite(r) && setne < 8192;
        if (zKluczem)
            klucz.tokeny[size_t(i)] = quint16(int(tokeny[i].wartosc) | (r < 0 ? 4 : 0) | (int(setne) << 3));
    }
    klucz.liczba = int(tokeny.size());
    const auto znana = zKluczem ? rp.redukcje.find(klucz) : rp.redukcje.end();
    jezyk::TRedukcja red;
    if (znana != rp.redukcje.end()) {
        red = znana->second;
    } else {
        QStringList teksty;
        for (const TTokenPrzes &t : tokeny)
            teksty << tokenLog(t.wartosc, t.cf);
        red = redukuj(pole.tekstTokenow(teksty), kod);
        if (zKluczem && !red.komunikat) {
            if (rp.redukcje.size() > 1024)
                rp.redukcje.clear();
            rp.redukcje.emplace(klucz, red);
        }
    }
    if (red.komunikat)
        return przerwij(*red.komunikat);
    // Parentheses in the wrong order reduce to no token: the field is taken as UNKNOWN.
    wynik.wartosc = red.wartosc.value_or(Wart::Unknown);
    wynik.cfPrzes = red.wartosc ? red.cf : 0.0;

    const std::optional<TPrzesElem> &konkl = rp.konklSkan;
    TNazwyPrzeslanki *nazwyKonkl = &rp.nazwy.back();
    const auto faktKonkl = konkl ? faktONazwie(konkl->nazFakt, nazwyKonkl) : nullptr;
    if (!faktKonkl)
        return przerwij(jezyk::komunikat(IdUsterki::K1, kod));
    if (faktKonkl->RodzFakt == slowa::Wprowadzany)
        return przerwij(jezyk::komunikat(IdUsterki::K2, kod));
    if (rodzajOper(konkl->oper) != Oper::Rowne)
        return przerwij(jezyk::komunikat(IdUsterki::K3, kod));
    if (faktKonkl->TypFakt != slowa::Wyliczeniowy) {
        const auto stala = rozwiazStala(kod, m_ostatniaPrzeslanka, konkl->wart, nazwyKonkl);
        if (!stala) {
            wynik.przerwanie = true;
            return wynik;
        }
        wynik.stalaWKonkl = stala->jest;
        wynik.stalaMaWart = stala->maWart;
    }
    wynik.cfKonkl = reg.CFReg * wynik.cfPrzes;
    wynik.przyjeta = wynik.wartosc == Wart::True && wynik.cfKonkl >= m_konfig.ProgCF &&
                     !(wynik.stalaWKonkl && !wynik.stalaMaWart);
    return wynik;
}

TWynikReg TOcenaReg::OblWartLogPolaPrzesReg(const TRekReg &reg, int poziom, int iteracja, TrybOceny tryb,
                                           QList<int> *bezWartosci)
{
    auto *rp = &const_cast<TRegulaPrzygotowana &>(przygotowana(reg));
    m_sesja.OstatniKodReg = rp->kod;
    if ((++m_liczbaOcen & 0xFFFu) == 0) {
        m_uzytkownik.wToku();
        // The windows may have run while the user was told: the prepared rule is found again.
        rp = &const_cast<TRegulaPrzygotowana &>(przygotowana(reg));
    }
    m_bezWartosci = bezWartosci;
    TWynikReg wynik = ocenRegule(reg, *rp, nullptr);
    m_bezWartosci = nullptr;
    if (wynik.przerwanie)
        return wynik;

    auto bladBazy = [&]() {
        wynik.przerwanie = true;
        wynik.przyjeta = false;
        return wynik;
    };
    if (tryb != TrybOceny::WPrzod) {
        // A write that would change nothing is not made (see dostep::zapiszStanReguly).
        const auto r = dostep::regulaDzielona(m_baza, reg.IdReg);
        if (r && (r->CFKonklReg != wynik.cfKonkl || r->CzyOdpal.isNull() || r->CzyBieUdzWeWnios.isNull())) {
            TRekReg zmieniona = *r;
            zmieniona.CFKonklReg = wynik.cfKonkl;
            if (!dostep::zapiszStanReguly(m_baza, zmieniona))
                return bladBazy();
        }
    }
    const bool stalaBezWart = wynik.stalaWKonkl && !wynik.stalaMaWart;
    const bool ponizejProgu = wynik.cfKonkl < m_konfig.ProgCF;
    const QString &kier = tryb == TrybOceny::WPrzod  ? slowa::WPrzod
                          : tryb == TrybOceny::Wstecz ? slowa::Wstecz
                                                      : slowa::Falsyf;
    if (!DopiszKrokTraj(m_baza, m_sesja, reg.IdReg, poziom, iteracja, kier, slowa::Nie, wynik.cfKonkl,
                        kom::przyczyna(wynik.wartosc, ponizejProgu, stalaBezWart)) ||
        m_baza.blad())
        return bladBazy();
    return wynik;
}

TSkanPola TOcenaReg::skanPola(const QString &pole)
{
    // A bound keeps memory small when rule texts are edited between many runs.
    if (m_skanyPol.size() > 20000)
        m_skanyPol.clear();
    auto it = m_skanyPol.find(pole);
    if (it == m_skanyPol.end())
        it = m_skanyPol.insert(pole, SkanujPolePrzes(pole));
    return *it;
}

jezyk::TRedukcja TOcenaReg::redukuj(const QString &tekstTokenow, const QString &kod)
{
    if (m_redukcje.size() > 20000)
        m_redukcje.clear();
    const auto it = m_redukcje.constFind(tekstTokenow);
    if (it != m_redukcje.constEnd())
        return *it;
    jezyk::TRedukcja red = jezyk::redukuj(tekstTokenow, kod, m_konfig);
    if (!red.komunikat)
        m_redukcje.insert(tekstTokenow, red);
    return red;
}

std::optional<TPrzesElem> TOcenaReg::skanKonkl(const QString &konkl)
{
    if (m_skanyKonkl.size() > 20000)
        m_skanyKonkl.clear();
    auto it = m_skanyKonkl.find(konkl);
    if (it == m_skanyKonkl.end())
        it = m_skanyKonkl.insert(konkl, SkanujKonkl(konkl));
    return *it;
}

bool TOcenaReg::ZapiszKonkl(const QString &kod, const QString &konkl, double cf, QString *rodzFakt)
{
    auto bladK = [&](IdUsterki id) {
        blad(jezyk::komunikat(id, kod));
        return false;
    };
    const auto k = skanKonkl(konkl);
    IdUsterki usterka{};
    auto fakt = FaktKonkluzji(m_baza, m_sesja.KodSyst, k, &usterka);
    if (!fakt)
        return bladK(usterka);
    if (rodzFakt)
        *rodzFakt = fakt->RodzFakt;
    if (rodzajOper(k->oper) != Oper::Rowne)
        return bladK(IdUsterki::K3);
    const QString &typ = fakt->TypFakt;
    if (typ == slowa::Wyliczeniowy) {
        const bool jednowartosciowy = fakt->CzyWielWart == slowa::Nie;
        bool jest = false;
        bool innyTak = false;
        for (TRekWartFaktWylicz w : dostep::wartosciFaktu(m_baza, fakt->IdFakt)) {
            if (w.WartFaktWylicz != k->wart) {
                innyTak = innyTak || w.CzyFaktMaWartAkt == slowa::Tak;
                continue;
            }
            jest = true;
            w.CzyFaktMaWartPoprz = w.CzyFaktMaWartAkt;
            w.CFWartFaktWyliczPoprz = w.CFWartFaktWyliczAkt;
            w.CzyFaktMaWartAkt = slowa::Tak;
            w.CFWartFaktWyliczAkt = cf;
            if (!dostep::zapiszWartWylicz(m_baza, w))
                return false;
        }
        if (!jest)
            return bladK(IdUsterki::K4);
        if (jednowartosciowy && innyTak)
            m_uzytkownik.komunikat(kom::W(kod));
        return true;
    }

    const auto stala = rozwiazStala(kod, m_ostatniaPrzeslanka, k->wart);
    if (!stala)
        return false;
    QString nowa;
    if (stala->jest) {
        const bool typZgodny = (typ == slowa::Rzeczywisty && stala->typ == slowa::Rzeczywista) ||
                               (typ == slowa::Calkowity && stala->typ == slowa::Calkowita) ||
                               (typ == slowa::Logiczny && stala->typ == slowa::Logiczna);
        if (!typZgodny)
            return bladK(typ == slowa::Rzeczywisty ? IdUsterki::K5 : typ == slowa::Calkowity ? IdUsterki::K8 : IdUsterki::K9);
        nowa = stala->wartosc;
    } else {
        nowa = bezOdstepow(k->wart);
    }
    const bool poprawna = stala->jest && !stala->maWart ? false
                          : typ == slowa::Rzeczywisty  ? tekstNaReal(nowa).has_value()
                          : typ == slowa::Calkowity    ? tekstNaInt(nowa).has_value()
                          : typ == slowa::Logiczny     ? tekstNaLog(nowa).has_value()
                                                       : false;
    if (!poprawna) {
        if (!stala->jest)
            return bladK(IdUsterki::K7);
        blad(kom::E6(kod));
        return false;
    }
    if (typ == slowa::Logiczny)
        nowa = nowa.toUpper();
    if (fakt->WartFakt != slowa::BrakWartosci && fakt->WartFakt != nowa)
        m_uzytkownik.komunikat(kom::W(kod));
    fakt->WartPoprzFakt = fakt->WartFakt;
    fakt->WartFakt = nowa;
    fakt->CFWartPoprzFakt = fakt->CFWartFakt;
    fakt->CFWartFakt = cf;
    return dostep::zapiszWartFaktu(m_baza, *fakt);
}

std::optional<TRekReg> TOcenaReg::OdpalRegule(int idReg, const QString &konkl, double cfKonkl, double cfReguly,
                                              int iteracja, TrybOceny tryb, bool dalszyUdzial, QString *rodzFakt,
                                              bool *wczesniejOdpalona)
{
    auto reg = dostep::regula(m_baza, idReg);
    if (!reg) {
        // Only another program can have taken the rule away while the run was using it.
        TBladBazy b;
        b.rodzaj = RodzajBleduBazy::Odczyt;
        b.tabela = Tabela::Reguly;
        b.tekstSilnika = QStringLiteral("reguły o kodzie %1 nie ma już w tabeli").arg(idReg);
        m_baza.zglosBlad(b);
        return std::nullopt;
    }
    const QString kod = QString::number(reg->IdReg);
    m_sesja.OstatniKodReg = kod;
    if (!ZapiszKonkl(kod, konkl.isNull() ? reg->KonklReg : konkl, cfKonkl, rodzFakt))
        return std::nullopt;
    if (wczesniejOdpalona)
        *wczesniejOdpalona = reg->CzyOdpal == slowa::Tak;
    reg->CzyOdpal = slowa::Tak;
    reg->CzyBieUdzWeWnios = dalszyUdzial ? slowa::Tak : slowa::Nie;
    reg->CFKonklReg = cfReguly;
    if (!dostep::zapiszStanReguly(m_baza, *reg))
        return std::nullopt;
    const bool wprzod = tryb == TrybOceny::WPrzod;
    const QString kier = wprzod ? slowa::WPrzod : tryb == TrybOceny::Wstecz ? slowa::Wstecz : slowa::Falsyf;
    if (!DopiszKrokTraj(m_baza, m_sesja, reg->IdReg, reg->PozReg, iteracja, kier, slowa::Tak, cfReguly,
                        wprzod ? kom::przyczynaOdpalona() : kom::przyczynaOdpalonaWstecz()))
        return std::nullopt;
    return reg;
}

double TOcenaReg::AgregCF(double a, double b) const { return SNormaCF(m_konfig.SNormaKonkl, a, b); }

double TOcenaReg::zagregowanyCF(const QString &konkl) const
{
    std::optional<double> agreg;
    for (double cf : dostep::cfOdpalonych(m_baza, m_sesja.KodSyst, konkl))
        agreg = agreg ? AgregCF(*agreg, cf) : cf;
    return agreg.value_or(0.0);
}

TWizKonkl TOcenaReg::WizKonklReg(const TRekReg &reg, double cfZagreg, const QString &rodzFakt) const
{
    TWizKonkl w;
    w.kodSyst = reg.KodSyst;
    w.nazSyst = m_sesja.NazSyst;
    w.idReg = reg.IdReg;
    w.nazReg = reg.NazReg;
    w.konklReg = reg.KonklReg;
    w.opisKonklReg = reg.OpisKonklReg;
    w.instrReg = reg.InstrReg;
    w.opisReg = reg.OpisReg;
    w.cfKonkl = reg.CFKonklReg.value_or(0.0);
    w.cfZagreg = cfZagreg;
    w.rodzFakt = rodzFakt;
    w.liczbaObrazow = dostep::liczbaIlustracji(m_baza, reg.IdReg, slowa::Regula, slowa::ObrazGraficzny);
    w.liczbaFilmow = dostep::liczbaIlustracji(m_baza, reg.IdReg, slowa::Regula, slowa::Film);
    return w;
}

} // namespace tremida
