#include "DlaczegoNie.h"

#include "OpisyWyjasn.h"
#include "StrukturaPrzes.h"
#include "inference/DostepWnios.h"
#include "inference/JezykReg.h"
#include "inference/KomunikatyWnios.h"
#include "inference/OcenaReg.h"
#include "store/Konwersje.h"
#include "store/Slowa.h"

#include <functional>

namespace tremida {

namespace {

// The user of a looking evaluation: the messages it would show are kept, and no question
// is ever put (the evaluation asks none while only looking).
class TUzytkownikOceny : public TUzytkownikWnios {
public:
    QStringList komunikaty;
    void komunikat(const QString &tekst) override { komunikaty << tekst; }
    void czytajFakt(TKontekstCzytFakt &k) override { k.zamknietyOk = false; }
    void pokazKonkluzje(const TWizKonkl &) override {}
};

QString tekstTokenu(TWartLog w, double cf) { return tekstWartLog(w) + QStringLiteral(", CF ") + realNaTekst(cf); }

void dodajToken(TWezelWyj &w, TWartLog wart, double cf)
{
    w.tekst += QStringLiteral(" → ") + tekstTokenu(wart, cf);
    w.pola.insert(QStringLiteral("token"), tokenLog(wart, cf));
    w.pola.insert(QStringLiteral("wartoscLogiczna"), tekstWartLog(wart));
    w.pola.insert(QStringLiteral("cf"), cf);
}

} // namespace

TDlaczegoNie::TDlaczegoNie(Baza &baza, const TPrzebiegWnios &przebieg, const IDaneReg &dane, const TParKonfig &konfig)
    : m_baza(baza), m_p(przebieg), m_dane(dane), m_konfig(konfig)
{
}

std::optional<TWezelWyj> TDlaczegoNie::drzewo(const QString &konkluzja) const
{
    const auto klucz = kluczKonkluzji(konkluzja);
    if (!klucz)
        return std::nullopt;
    TWezelWyj w(QStringLiteral("dlaczegoNie"), QStringLiteral("Dlaczego nie: ") + konkluzja.trimmed());
    w.pola.insert(QStringLiteral("konkluzja"), konkluzja.trimmed());
    w.pola.insert(QStringLiteral("fakt"), klucz->fakt);
    w.pola.insert(QStringLiteral("wartosc"), klucz->wartosc);

    const QList<int> odp = m_p.odpaleniaKonkluzji(*klucz);
    const auto hip = m_p.hipoteza();
    QString stan;
    if (m_p.pusty()) {
        stan = QStringLiteral("System nie ma kroków trajektorii: w systemie nie przeprowadzono jeszcze wnioskowania "
                              "albo jego trajektorię usunięto.");
    } else if (!odp.isEmpty()) {
        const TOdpalenie &o = m_p.odpalenia[odp.last()];
        stan = QStringLiteral("Konkluzja została osiągnięta w ostatnim przebiegu wnioskowania (%1): ostatnio w kroku "
                              "%2 z CF %3.")
                   .arg(m_p.metoda())
                   .arg(o.krok)
                   .arg(realNaTekst(o.cf));
    } else {
        stan = QStringLiteral("Konkluzja nie została osiągnięta w ostatnim przebiegu wnioskowania (%1).").arg(m_p.metoda());
        if (hip && kluczKonkluzji(*hip) == klucz)
            stan += QStringLiteral(" Była hipotezą główną przebiegu, która nie została wykazana.");
    }
    w.pola.insert(QStringLiteral("osiagnieta"), !odp.isEmpty());
    w.pola.insert(QStringLiteral("metoda"), m_p.metoda());
    TWezelWyj &s = w.dodaj(QStringLiteral("uwaga"), stan);
    if (!odp.isEmpty())
        s.krok = m_p.odpalenia[odp.last()].krok;

    bool jest = false;
    for (const TRekReg &r : m_p.regulySystemu()) {
        if (kluczKonkluzji(r.KonklReg) != klucz)
            continue;
        jest = true;
        w.dodaj(wezelReguly(r));
    }
    if (!jest)
        w.dodaj(QStringLiteral("uwaga"), QStringLiteral("Żadna reguła systemu nie ma tej konkluzji (fakt %1, wartość %2).")
                                             .arg(opis::cytat(klucz->fakt), opis::cytat(klucz->wartosc)));
    return w;
}

TWezelWyj TDlaczegoNie::wezelReguly(const TRekReg &r) const
{
    TWezelWyj w(QStringLiteral("regula"), QStringLiteral("Reguła %1 %2: poziom %3, kierunek %4, CF reguły %5")
                                              .arg(r.IdReg)
                                              .arg(opis::cytat(r.NazReg))
                                              .arg(r.PozReg)
                                              .arg(opis::cytat(r.KierWniReg), realNaTekst(r.CFReg)));
    w.pola.insert(QStringLiteral("idReg"), r.IdReg);
    w.pola.insert(QStringLiteral("nazwa"), r.NazReg);
    w.pola.insert(QStringLiteral("poziom"), r.PozReg);
    w.pola.insert(QStringLiteral("kierunek"), r.KierWniReg);
    w.pola.insert(QStringLiteral("cfReguly"), r.CFReg);

    const TRekTraj *ostatni = nullptr;
    for (const TRekTraj &k : m_p.kroki)
        if (k.KodRegTraj == r.IdReg)
            ostatni = &k;
    if (ostatni) {
        TWezelWyj k(QStringLiteral("krok"),
                    QStringLiteral("Ostatni krok %1 (poziom %2, iteracja %3, kierunek %4, reguła %5): %6")
                        .arg(ostatni->IdKrokTraj)
                        .arg(ostatni->PozRegTraj ? QString::number(*ostatni->PozRegTraj) : QString())
                        .arg(ostatni->IterRegTraj ? QString::number(*ostatni->IterRegTraj) : QString())
                        .arg(opis::cytat(ostatni->KierWniTraj),
                             ostatni->CzyOdpalTraj == slowa::Tak ? QStringLiteral("odpalona")
                                                                 : QStringLiteral("nieodpalona"),
                             opis::cytat(ostatni->PrzyczNieOdpalTraj)));
        k.krok = ostatni->IdKrokTraj;
        k.pola.insert(QStringLiteral("czyOdpalona"), ostatni->CzyOdpalTraj);
        k.pola.insert(QStringLiteral("przyczyna"), ostatni->PrzyczNieOdpalTraj);
        k.pola.insert(QStringLiteral("kierunek"), ostatni->KierWniTraj);
        k.pola.insert(QStringLiteral("iteracja"), ostatni->IterRegTraj ? QJsonValue(*ostatni->IterRegTraj) : QJsonValue());
        w.dodaj(std::move(k));
    } else {
        TWezelWyj k(QStringLiteral("nieBadana"),
                    QStringLiteral("Reguła nie była badana w ostatnim przebiegu: ") + dlaczegoNieBadana(r));
        w.dodaj(std::move(k));
    }
    w.dodaj(ocena(r));
    return w;
}

QString TDlaczegoNie::dlaczegoNieBadana(const TRekReg &r) const
{
    if (m_p.pusty())
        return QStringLiteral("system nie ma kroków trajektorii.");
    if (r.PozReg < 1 || r.PozReg > m_konfig.MaxPozReg)
        return QStringLiteral("jej poziom %1 leży poza przedziałem [1,%2] poziomów reguł (parametr MaxPozReg).")
            .arg(r.PozReg)
            .arg(m_konfig.MaxPozReg);
    const bool wprzod = m_p.maKierunek(slowa::WPrzod);
    const bool wstecz = m_p.maKierunek(slowa::Wstecz) || m_p.maKierunek(slowa::Falsyf);
    if (r.KierWniReg == slowa::WPrzod && !wprzod)
        return QStringLiteral("bierze udział tylko we wnioskowaniu w przód, a ostatni przebieg (%1) nie miał kroków "
                              "w przód.")
            .arg(m_p.metoda());
    if (r.KierWniReg == slowa::Wstecz && !wstecz)
        return QStringLiteral("bierze udział tylko we wnioskowaniu wstecz, a ostatni przebieg (%1) nie miał kroków "
                              "wstecz.")
            .arg(m_p.metoda());
    if (r.KierWniReg != slowa::WPrzod && r.KierWniReg != slowa::Wstecz && r.KierWniReg != slowa::Oba)
        return QStringLiteral("jej kierunek wnioskowania %1 nie jest żadnym z kierunków „w przod”, „wstecz”, „oba”.")
            .arg(opis::cytat(r.KierWniReg));
    if (wprzod && r.KierWniReg != slowa::Wstecz)
        return QStringLiteral("przebieg zakończył się, zanim reguła została zbadana (np. hipoteza została wykazana "
                              "albo przebieg przerwano).");
    return QStringLiteral("nie była potrzebna: jej konkluzja nie była w przebiegu wstecz ani hipotezą główną, ani "
                          "hipotezą pomocniczą.");
}

TWezelWyj TDlaczegoNie::ocena(const TRekReg &r) const
{
    TSesjaWnios sesja;
    sesja.KodSyst = m_p.kodSyst;
    sesja.NazSyst = m_p.nazSyst;
    TUzytkownikOceny uzytkownik;
    TOcenaReg ocena(m_baza, m_konfig, sesja, uzytkownik);
    ocena.tylkoOdczyt = true;
    QList<TTokenPrzes> tokeny;
    const TWynikReg wynik = ocena.OcenRegule(r, &tokeny);

    TWezelWyj w(QStringLiteral("ocena"), QString());
    const bool stalaBezWart = wynik.stalaWKonkl && !wynik.stalaMaWart;
    if (wynik.przerwanie) {
        w.tekst = QStringLiteral("Ocena reguły teraz (bez pytań i bez zapisu): ocenę przerwałby komunikat błędu.");
    } else {
        const bool ponizej = wynik.cfKonkl < m_konfig.ProgCF;
        const QString przyczyna = kom::przyczyna(tekstWartLog(wynik.wartosc), ponizej, stalaBezWart);
        w.tekst = QStringLiteral("Ocena reguły teraz (bez pytań i bez zapisu): pole przesłankowe %1; CF konkluzji %2 "
                                 "(próg CF %3): %4")
                      .arg(tekstTokenu(wynik.wartosc, wynik.cfPrzes), realNaTekst(wynik.cfKonkl),
                           realNaTekst(m_konfig.ProgCF), opis::cytat(przyczyna));
        w.pola.insert(QStringLiteral("wartoscLogiczna"), tekstWartLog(wynik.wartosc));
        w.pola.insert(QStringLiteral("cfPola"), wynik.cfPrzes);
        w.pola.insert(QStringLiteral("cfKonkluzji"), wynik.cfKonkl);
        w.pola.insert(QStringLiteral("progCF"), m_konfig.ProgCF);
        w.pola.insert(QStringLiteral("przyjeta"), wynik.przyjeta);
        w.pola.insert(QStringLiteral("przyczyna"), przyczyna);
        w.pola.insert(QStringLiteral("stalaBezWartosci"), stalaBezWart);
    }
    w.pola.insert(QStringLiteral("przerwana"), wynik.przerwanie);

    // The field's structure with each part's token; the premises keep the engine's tokens.
    const TSkanPola skan = SkanujPolePrzes(r.PrzesReg);
    QStringList tekstyTokenow;
    for (const TTokenPrzes &t : tokeny)
        tekstyTokenow << tokenLog(t.wartosc, t.cf);
    auto przeslanka = [&](int i) {
        TWezelWyj p = opis::wezelPrzeslanki(m_dane, m_p.kodSyst, skan.przes[i], true);
        if (i < tokeny.size()) {
            dodajToken(p, tokeny[i].wartosc, tokeny[i].cf);
            const auto fakt = m_dane.faktONazwie(m_p.kodSyst, skan.przes[i].nazFakt);
            if (fakt && fakt->RodzFakt == slowa::Wprowadzany && fakt->WartPoprzFakt != slowa::Nzn) {
                bool bezWartosci = fakt->WartFakt == slowa::BrakWartosci;
                if (fakt->TypFakt == slowa::Wyliczeniowy) {
                    bezWartosci = true;
                    for (const TRekWartFaktWylicz &v : m_dane.wartosciFaktu(fakt->IdFakt))
                        bezWartosci = bezWartosci && v.CzyFaktMaWartAkt != slowa::Tak;
                }
                if (bezWartosci)
                    p.tekst += QStringLiteral(" (wnioskowanie zapytałoby o wartość faktu)");
            }
        } else {
            p.tekst += QStringLiteral(" → nieoceniona");
        }
        return p;
    };
    const TStrukturaPrzes struktura(skan);
    const bool pelne = !wynik.przerwanie && tokeny.size() == skan.przes.size();
    std::function<TWezelWyj(const TWezelStruktury &)> wezel = [&](const TWezelStruktury &s) -> TWezelWyj {
        if (s.rodzaj == TWezelStruktury::Rodzaj::Przeslanka)
            return przeslanka(s.przeslanka);
        TWezelWyj o(QStringLiteral("operator"), TStrukturaPrzes::nazwa(s.rodzaj));
        o.pola.insert(QStringLiteral("operator"), o.tekst);
        if (pelne) {
            const jezyk::TRedukcja red =
                jezyk::redukuj(struktura.tekstTokenow(s, tekstyTokenow), QString::number(r.IdReg), m_konfig);
            if (red.wartosc)
                dodajToken(o, *red.wartosc, red.cf);
        }
        for (const TWezelStruktury &d : s.dzieci)
            o.dodaj(wezel(d));
        return o;
    };
    if (struktura.poprawna()) {
        w.dodaj(wezel(struktura.korzen()));
    } else {
        for (int i = 0; i < skan.przes.size(); ++i)
            w.dodaj(przeslanka(i));
    }
    for (const QString &k : uzytkownik.komunikaty)
        w.dodaj(QStringLiteral("komunikat"), k);
    return w;
}

} // namespace tremida
