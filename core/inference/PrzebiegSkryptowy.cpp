#include "PrzebiegSkryptowy.h"

#include "CzytFaktPlik.h"
#include "FalsHip.h"
#include "PrzypiszWartFakt.h"
#include "WniosMiesz.h"
#include "WniosWPrzod.h"
#include "WniosWstecz.h"
#include "store/Baza.h"
#include "store/Konwersje.h"
#include "store/Slowa.h"
#include "store/Warunki.h"
#include "verify/WeryfBazy.h"

#include <QFile>
#include <QFileInfo>

namespace tremida {

bool wczytajOdpowiedzi(const QString &plik, TOdpowiedzi &odpowiedzi, QString *blad)
{
    if (!QFileInfo(plik).isFile()) {
        *blad = QStringLiteral("Nie można odczytać pliku %1: to nie jest zwykły plik.").arg(plik);
        return false;
    }
    QFile f(plik);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) {
        *blad = QStringLiteral("Nie można odczytać pliku %1: %2").arg(plik, f.errorString());
        return false;
    }
    int nr = 0;
    for (const QByteArray &surowa : f.readAll().split('\n')) {
        ++nr;
        QString linia = QString::fromUtf8(surowa);
        if (linia.endsWith(u'\r'))
            linia.chop(1);
        if (linia.isEmpty() || linia.startsWith(u'#'))
            continue;
        const QStringList cz = linia.split(u'\t');
        const auto id = tekstNaInt(cz.value(0).trimmed());
        if (!id || cz.size() < 2) {
            *blad = QStringLiteral("Plik %1, wiersz %2: oczekiwano IdFakt<TAB>wartość<TAB>CF.").arg(plik).arg(nr);
            return false;
        }
        odpowiedzi[*id].append({cz.value(1), cz.value(2)});
    }
    return true;
}

std::optional<QString> ustawParametr(TParKonfig &konfig, const QString &przypisanie)
{
    const qsizetype rown = przypisanie.indexOf(u'=');
    if (rown <= 0)
        return QStringLiteral("Oczekiwano PARAMETR=WARTOŚĆ: %1").arg(przypisanie);
    const QString nazwa = przypisanie.left(rown);
    const QString wartosc = przypisanie.mid(rown + 1);
    TWartWlasneKonfig w = wlasneZParametrow(konfig);
    auto indeks = [&](const QStringList &lista) { return int(lista.indexOf(wartosc)); };
    auto indeksLog = [&]() {
        for (qsizetype i = 0; i < konfig::PozycjeLogiczne.size(); ++i)
            if (konfig::PozycjeLogiczne[i].compare(wartosc, Qt::CaseInsensitive) == 0)
                return int(i);
        return -1;
    };
    if (nazwa == u"MaxPozReg")
        w.MaxPozReg = wartosc;
    else if (nazwa == u"ProgCF")
        w.ProgCF = wartosc;
    else if (nazwa == u"PrzyrostCF")
        w.PrzyrostCF = wartosc;
    else if (nazwa == u"CzyOdpalUwzgl")
        w.CzyOdpalUwzgl = indeksLog();
    else if (nazwa == u"CzyTylkoOdpal")
        w.CzyTylkoOdpal = indeksLog();
    else if (nazwa == u"CzyPelnaWeryf")
        w.CzyPelnaWeryf = indeksLog();
    else if (nazwa == u"TNormaIloczyn")
        w.TNormaIloczyn = indeks(konfig::Normy);
    else if (nazwa == u"SNormaSuma")
        w.SNormaSuma = indeks(konfig::Normy);
    else if (nazwa == u"SNormaKonkl")
        w.SNormaKonkl = indeks(konfig::Normy);
    else if (nazwa == u"MetaReg")
        w.MetaReg = indeks(konfig::MetaReguly);
    else
        return QStringLiteral("Nieznany parametr: %1").arg(nazwa);
    if (const auto blad = sprawdzWlasne(w, false))
        return *blad;
    konfig = parametryZWlasnych(w);
    return std::nullopt;
}

std::optional<MetodaWnios> metodaONazwie(const QString &nazwa)
{
    if (nazwa == u"forward")
        return MetodaWnios::WPrzod;
    if (nazwa == u"backward")
        return MetodaWnios::Wstecz;
    if (nazwa == u"mixed")
        return MetodaWnios::Mieszane;
    return std::nullopt;
}

QList<TOdpowiedz> TUzytkownikSkryptowy::odpowiedziDla(const TKontekstCzytFakt &) { return {}; }

void TUzytkownikSkryptowy::czytajFakt(TKontekstCzytFakt &kontekst)
{
    const TRekFakt &f = kontekst.fakt;
    const PokazKomunikat pokaz = [this](const QString &t) { komunikat(t); };
    const bool wylicz = f.TypFakt == slowa::Wyliczeniowy;
    QList<TWierszWylicz> wiersze;
    for (const TRekWartFaktWylicz &w : kontekst.wartosci)
        wiersze.append({w.IdWartFaktWylicz, w.CzyFaktMaWartAkt,
                        w.CFWartFaktWyliczAkt ? realNaTekst(*w.CFWartFaktWyliczAkt) : QString()});
    auto bezWartosci = [&]() {
        if (wylicz)
            return PrzypiszWartFaktWylicz(m_baza, m_konfig, f, wiersze, pokaz);
        return PrzypiszWartFaktSkalar(m_baza, m_konfig, f, slowa::BrakWartosci,
                                      f.CFWartFakt ? realNaTekst(*f.CFWartFakt) : QString(), pokaz);
    };
    // A value that could not be saved ends the asking; the run stops with the failure.
    auto koniec = [&](WynikPrzypisania w) { kontekst.zamknietyOk = w != WynikPrzypisania::BladZapisu; };

    const QList<TOdpowiedz> lista = zOdpowiedzi ? odpowiedzi.value(f.IdFakt) : odpowiedziDla(kontekst);
    if (lista.isEmpty() || (lista.size() == 1 && lista.first().wartosc == slowa::BrakWartosci)) {
        koniec(bezWartosci());
        return;
    }
    WynikPrzypisania wynik;
    if (wylicz) {
        QList<TWierszWylicz> wypelnione = wiersze;
        for (const TOdpowiedz &o : lista)
            for (qsizetype i = 0; i < kontekst.wartosci.size(); ++i)
                if (kontekst.wartosci[i].WartFaktWylicz == o.wartosc)
                    wypelnione[i] = {kontekst.wartosci[i].IdWartFaktWylicz, slowa::Tak, o.cf};
        wynik = PrzypiszWartFaktWylicz(m_baza, m_konfig, f, wypelnione, pokaz);
    } else {
        wynik = PrzypiszWartFaktSkalar(m_baza, m_konfig, f, lista.first().wartosc, lista.first().cf, pokaz);
    }
    koniec(wynik == WynikPrzypisania::Odrzucone ? bezWartosci() : wynik);
}

TWynikPrzebiegu PrzeprowadzPrzebieg(Baza &baza, const TParKonfig &konfig, const TSkryptPrzebiegu &skrypt,
                                    TUzytkownikWnios &uzytkownik,
                                    const std::function<bool(TSesjaWnios &)> &przedWeryfikacja)
{
    TWynikPrzebiegu wynikPrzebiegu;
    if (const auto brak = sprawdzWarunki(Polecenie::WyborSyst, baza)) {
        uzytkownik.komunikat(*brak);
        return wynikPrzebiegu;
    }
    TSesjaWnios sesja;
    QString bladWyboru;
    const auto wybor = WybierzSystem(baza, skrypt.kodSyst, sesja, &bladWyboru);
    if (!wybor) {
        if (!bladWyboru.isEmpty()) {
            uzytkownik.komunikat(bladWyboru);
            return wynikPrzebiegu;
        }
        wynikPrzebiegu.koniec = KoniecPrzebiegu::BrakSystemu;
        return wynikPrzebiegu;
    }
    uzytkownik.komunikat(*wybor);
    // Input-fact values from a file, then the verification of the chosen mode.
    const PokazKomunikat pokaz = [&uzytkownik](const QString &t) { uzytkownik.komunikat(t); };
    if (!skrypt.plikFaktow.isEmpty() &&
        CzytajWartFaktPlik(baza, skrypt.plikFaktow, skrypt.kodSyst, sesja, pokaz) != WynikCzytFakt::Przeczytany)
        return wynikPrzebiegu;
    if (przedWeryfikacja && !przedWeryfikacja(sesja))
        return wynikPrzebiegu;
    if (skrypt.weryfikacja) {
        TWidokWeryf widok;
        widok.komunikat = pokaz;
        if (!WeryfikujBazeWiedzy(baza, konfig, skrypt.kodSyst, konfig.CzyPelnaWeryf, widok).czysta)
            return wynikPrzebiegu;
        pokaz(komunikatBazaZweryfikowana());
    }

    // Every display is continued at once, so the whole run is one transaction: a commit at
    // every display would only cost time (each is written to disk), and the run's steps commit
    // nothing of their own inside it. It is committed at the end, also after an error message;
    // a failed read, write or commit rolls it all back.
    Transakcja calyPrzebieg(baza);
    // Another program changing the same tables is waited for, or the run does not start.
    if (calyPrzebieg.zajmij(TabeleWnioskowania))
        dopasujLicznikKrokow(baza, sesja);
    // The outcome, once the run's changes are committed (or rolled back after a failure).
    auto zapisz = [&](KoniecPrzebiegu koniec) {
        if (calyPrzebieg.zakoncz()) {
            pokazBladWnios(baza, uzytkownik);
            wynikPrzebiegu.koniec = KoniecPrzebiegu::Przerwany;
            wynikPrzebiegu.udowodniona = false;
            wynikPrzebiegu.sfalsyfikowana = false;
            return wynikPrzebiegu;
        }
        wynikPrzebiegu.koniec = koniec;
        return wynikPrzebiegu;
    };
    if (!calyPrzebieg.ok() || baza.blad())
        return zapisz(KoniecPrzebiegu::Przerwany);

    TWniosWPrzod wprzod(baza, konfig, sesja, uzytkownik);
    TWniosWstecz wstecz(baza, konfig, sesja, uzytkownik);
    TFalsHip fals(wstecz);
    TWniosMiesz miesz(baza, konfig, sesja, uzytkownik, wstecz, wprzod);

    // Every display is continued, except the display number `zamknijPo`, which is closed.
    int wyswietlenia = 0;
    auto doKonca = [&](WynikPrzebiegu wynik, auto dalej, auto zamknij) {
        while (wynik == WynikPrzebiegu::Wstrzymany) {
            sesja.KontynuacjaZadana = true;
            if (++wyswietlenia == skrypt.zamknijPo) {
                const auto poZamknieciu = zamknij();
                if (!poZamknieciu)
                    return WynikPrzebiegu::Zakonczony;
                wynik = *poZamknieciu;
            } else {
                wynik = dalej();
            }
        }
        return wynik;
    };

    QStringList konkluzje;
    WynikPrzebiegu wynik = WynikPrzebiegu::Zakonczony;
    switch (skrypt.metoda) {
    case MetodaWnios::WPrzod:
        if (!wprzod.Przygotuj(konkluzje))
            return zapisz(KoniecPrzebiegu::Przerwany);
        wynik = doKonca(
            wprzod.Start(skrypt.hipoteza), [&] { return wprzod.Start(); },
            [&]() -> std::optional<WynikPrzebiegu> {
                wprzod.Zamknij();
                return std::nullopt;
            });
        break;
    case MetodaWnios::Wstecz:
        if (!wstecz.Przygotuj(konkluzje))
            return zapisz(KoniecPrzebiegu::Przerwany);
        wynik = doKonca(
            wstecz.Start(skrypt.hipoteza), [&] { return wstecz.Start(); },
            [&]() -> std::optional<WynikPrzebiegu> { return wstecz.Zamknij(); });
        break;
    case MetodaWnios::Mieszane:
        if (!miesz.Przygotuj(konkluzje))
            return zapisz(KoniecPrzebiegu::Przerwany);
        // In mixed inference the close button leaves the paused run as it is.
        wynik = doKonca(
            miesz.Start(skrypt.hipoteza), [&] { return miesz.Dalej(); },
            [&]() -> std::optional<WynikPrzebiegu> {
                miesz.Zamknij();
                return std::nullopt;
            });
        break;
    }

    if (fals.czyPrzygotowana()) {
        QList<int> zaznaczone;
        const QStringList kandydaci = fals.kandydaci();
        for (qsizetype i = 0; i < kandydaci.size(); ++i)
            if (skrypt.falsyfikujWszystkie || skrypt.falsyfikujace.contains(kandydaci[i]))
                zaznaczone << int(i);
        if (!skrypt.falsyfikujWszystkie && skrypt.falsyfikujace.isEmpty()) {
            fals.Przerwij();
        } else {
            wynik = doKonca(
                fals.Start(zaznaczone), [&] { return fals.Start(); },
                [&]() -> std::optional<WynikPrzebiegu> { return fals.Zamknij(); });
        }
    }
    wynikPrzebiegu.udowodniona = sesja.Udowodniona;
    wynikPrzebiegu.sfalsyfikowana = fals.czySfalsyfikowana();
    return zapisz(wynik == WynikPrzebiegu::Przerwany ? KoniecPrzebiegu::Przerwany : KoniecPrzebiegu::Zakonczony);
}

} // namespace tremida
