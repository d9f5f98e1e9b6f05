// Inference from the terminal: infer (forward, backward or mixed inference with scripted or
// typed input-fact values, falsification of the main hypothesis by chosen candidates) and
// trajectory (the steps of a system's last run).

#include "Cli.h"

#include "inference/CzytFaktPlik.h"
#include "inference/DostepWnios.h"
#include "inference/KrokWnios.h"
#include "inference/FalsHip.h"
#include "inference/WniosMiesz.h"
#include "inference/PrzypiszWartFakt.h"
#include "inference/WniosWPrzod.h"
#include "store/Konwersje.h"
#include "store/Rekordy.h"
#include "store/Slowa.h"
#include "store/Warunki.h"
#include "verify/WeryfBazy.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMap>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <cstdio>
#include <cstring>
#include <optional>
#include <unistd.h>

namespace tremida::cli {

namespace {

QByteArray liczbaJson(double d)
{
    const QByteArray a = QJsonDocument(QJsonArray{d}).toJson(QJsonDocument::Compact);
    return a.mid(1, a.size() - 2);
}

// One answer line of an answers file: a value and its CF.
struct TOdpowiedz {
    QString wartosc;
    QString cf;
};

// The user of a run in the terminal: messages and conclusions are printed, input facts are
// answered from an answers file, typed at prompts, or left without value.
class TUzytkownikCli : public TUzytkownikWnios {
public:
    TUzytkownikCli(Kontekst &k, bool json) : m_k(k), m_json(json) {}

    QMap<int, QList<TOdpowiedz>> odpowiedzi;
    bool zOdpowiedzi = false;
    bool interaktywnie = false;

    void komunikat(const QString &tekst) override
    {
        if (m_json)
            m_k.komunikatJson(tekst);
        else
            m_k.komunikat(tekst);
    }

    void czytajFakt(TKontekstCzytFakt &kontekst) override
    {
        const TRekFakt &f = kontekst.fakt;
        if (m_json)
            m_k.zdarzenieJson("{\"event\":\"ask\",\"fact\":" + QByteArray::number(f.IdFakt) + "}");
        const PokazKomunikat pokaz = [this](const QString &t) { komunikat(t); };
        const bool wylicz = f.TypFakt == slowa::Wyliczeniowy;
        QList<TWierszWylicz> wiersze;
        for (const TRekWartFaktWylicz &w : kontekst.wartosci)
            wiersze.append({w.IdWartFaktWylicz, w.CzyFaktMaWartAkt,
                            w.CFWartFaktWyliczAkt ? realNaTekst(*w.CFWartFaktWyliczAkt) : QString()});
        auto bezWartosci = [&]() {
            if (wylicz)
                return PrzypiszWartFaktWylicz(m_k.baza, m_k.konfig, f, wiersze, pokaz);
            return PrzypiszWartFaktSkalar(m_k.baza, m_k.konfig, f, slowa::BrakWartosci,
                                          f.CFWartFakt ? realNaTekst(*f.CFWartFakt) : QString(), pokaz);
        };
        // A value that could not be saved ends the asking; the run stops with the failure.
        auto koniec = [&](WynikPrzypisania w) { kontekst.zamknietyOk = w != WynikPrzypisania::BladZapisu; };

        QList<TOdpowiedz> lista;
        if (zOdpowiedzi)
            lista = odpowiedzi.value(f.IdFakt);
        else if (interaktywnie)
            lista = zapytajTerminal(kontekst);
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
            wynik = PrzypiszWartFaktWylicz(m_k.baza, m_k.konfig, f, wypelnione, pokaz);
        } else {
            wynik = PrzypiszWartFaktSkalar(m_k.baza, m_k.konfig, f, lista.first().wartosc, lista.first().cf, pokaz);
        }
        koniec(wynik == WynikPrzypisania::Odrzucone ? bezWartosci() : wynik);
    }

    void pokazKonkluzje(const TWizKonkl &w) override
    {
        if (m_json) {
            m_k.zdarzenieJson("{\"event\":\"conclusion\",\"rule\":" + QByteArray::number(w.idReg) +
                              ",\"conclusion\":" + tekstJson(w.konklReg) + ",\"cf\":" + liczbaJson(w.cfKonkl) +
                              ",\"aggregatedCf\":" + liczbaJson(w.cfZagreg) + ",\"factKind\":" +
                              tekstJson(w.rodzFakt) + "}");
            return;
        }
        QTextStream &o = m_k.out;
        o << "----\n";
        o << "Kod systemu: " << w.kodSyst << '\n';
        o << "Nazwa systemu: " << w.nazSyst << '\n';
        o << "Kod reguly: " << w.idReg << '\n';
        o << "Nazwa reguły: " << w.nazReg << '\n';
        o << "Konkluzja reguły: " << w.konklReg << '\n';
        o << "Opis konkluzji: " << w.opisKonklReg << '\n';
        o << "Stopień pewności konkluzji: " << realNaTekst(w.cfKonkl) << '\n';
        o << "Zaagregowany stopień pewności konkluzji (obliczony z uaktywnionych reguł o tej samej konkluzji): "
          << realNaTekst(w.cfZagreg) << '\n';
        o << "Konkluzja dotyczy faktu: "
          << (w.rodzFakt == slowa::Koncowy ? QStringLiteral("końcowego") : QStringLiteral("pośredniego")) << '\n';
        o << "Instrukcje/ zalecenia dla użytkownika wynikające z konkluzji reguły: " << w.instrReg << '\n';
        o << "Opisowa charakterystyka reguły. Autorzy: " << w.opisReg << '\n';
        o << "Liczba obrazów/zdjęć: " << w.liczbaObrazow << '\n';
        o << "Liczba filmów: " << w.liczbaFilmow << '\n';
        o << "----\n";
        o.flush();
    }

    void pokazFalsyfikacje(const QString &, const QStringList &kandydaci) override
    {
        if (m_json) {
            QByteArray lista;
            for (const QString &t : kandydaci)
                lista += (lista.isEmpty() ? "" : ",") + tekstJson(t);
            m_k.zdarzenieJson("{\"event\":\"falsification\",\"candidates\":[" + lista + "]}");
            return;
        }
        m_k.out << QStringLiteral("Konkluzje falsyfikujące:\n");
        for (qsizetype i = 0; i < kandydaci.size(); ++i)
            m_k.out << QStringLiteral("  %1. %2\n").arg(i + 1).arg(kandydaci[i]);
        m_k.out.flush();
    }

private:
    // Prompts for the value of an input fact; an empty answer leaves it without value.
    QList<TOdpowiedz> zapytajTerminal(const TKontekstCzytFakt &kontekst)
    {
        const TRekFakt &f = kontekst.fakt;
        QTextStream &o = m_k.out;
        QTextStream we(stdin);
        o << QStringLiteral("Fakt %1 (%2): %3\n").arg(f.IdFakt).arg(f.NazFakt, f.PytFakt);
        if (!f.JedWartFakt.isEmpty())
            o << QStringLiteral("Jednostka: %1\n").arg(f.JedWartFakt);
        QList<TOdpowiedz> lista;
        if (f.TypFakt == slowa::Wyliczeniowy) {
            for (const TRekWartFaktWylicz &w : kontekst.wartosci)
                o << QStringLiteral("  %1  %2  [%3]\n").arg(w.IdWartFaktWylicz).arg(w.WartFaktWylicz, w.CzyFaktMaWartAkt);
            o << QStringLiteral("Podaj wartości oznaczane \"tak\" (każda w osobnym wierszu: wartość, tabulator, CF; "
                                "pusty wiersz kończy): ");
            o.flush();
            for (;;) {
                const QString linia = we.readLine();
                if (linia.isEmpty())
                    break;
                const QStringList cz = linia.split(u'\t');
                lista.append({cz.value(0), cz.value(1)});
            }
            return lista;
        }
        o << QStringLiteral("Wartość faktu (pusta lub ??? - wartość nieznana): ");
        o.flush();
        const QString wartosc = we.readLine();
        if (wartosc.isEmpty() || wartosc == slowa::BrakWartosci)
            return lista;
        o << QStringLiteral("CF: ");
        o.flush();
        lista.append({wartosc, we.readLine()});
        return lista;
    }

    Kontekst &m_k;
    bool m_json;
};

bool wczytajOdpowiedzi(const QString &plik, QMap<int, QList<TOdpowiedz>> &odpowiedzi, QString *blad)
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

// Applies PARAM=VALUE to the configuration with the configuration dialog's checks.
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

} // namespace

int polecenieInfer(Kontekst &k, const QStringList &argumenty)
{
    const QString pol = QStringLiteral("infer");
    std::optional<int> kodSyst;
    QString metoda, hipoteza, plikOdpowiedzi;
    QStringList falsyfikujace;
    bool falsyfikujWszystkie = false;
    bool json = false;
    QString plikFaktow;
    bool weryfikacja = true;
    int zamknijPo = 0;
    for (qsizetype i = 0; i < argumenty.size(); ++i) {
        const QString &a = argumenty[i];
        const bool jestNastepny = i + 1 < argumenty.size();
        if (a == u"--method" && jestNastepny) {
            metoda = argumenty[++i];
        } else if (a == u"--hypothesis" && jestNastepny) {
            hipoteza = argumenty[++i];
        } else if (a == u"--facts" && jestNastepny) {
            plikFaktow = argumenty[++i];
        } else if (a == u"--no-verify") {
            weryfikacja = false;
        } else if (a == u"--answers" && jestNastepny) {
            plikOdpowiedzi = argumenty[++i];
        } else if (a == u"--close-after" && jestNastepny) {
            const auto n = tekstNaInt(argumenty[++i]);
            if (!n || *n < 1)
                return bladUzycia(k, pol, QStringLiteral("--close-after wymaga liczby całkowitej dodatniej."));
            zamknijPo = *n;
        } else if (a == u"--set" && jestNastepny) {
            if (const auto blad = ustawParametr(k.konfig, argumenty[++i]))
                return bladUzycia(k, pol, tekstDoWyswietlenia(*blad));
        } else if (a == u"--falsify" && jestNastepny) {
            falsyfikujace << argumenty[++i];
        } else if (a == u"--falsify-all") {
            falsyfikujWszystkie = true;
        } else if (a == u"--json") {
            json = true;
        } else if (!a.startsWith(u'-') && !kodSyst) {
            kodSyst = tekstNaInt(a);
            if (!kodSyst)
                return bladUzycia(k, pol, QStringLiteral("Kod systemu musi być liczbą całkowitą."));
        } else {
            return bladUzycia(k, pol, QStringLiteral("Nieznany argument: %1").arg(a));
        }
    }
    if (!kodSyst)
        return bladUzycia(k, pol, QStringLiteral("Podaj kod systemu."));
    if (metoda != u"forward" && metoda != u"backward" && metoda != u"mixed")
        return bladUzycia(k, pol, QStringLiteral("Podaj --method forward, backward lub mixed."));
    if (metoda != u"forward" && hipoteza.isEmpty())
        return bladUzycia(k, pol, QStringLiteral("Metoda %1 wymaga --hypothesis.").arg(metoda));

    TUzytkownikCli uzytkownik(k, json);
    if (!plikOdpowiedzi.isEmpty()) {
        QString blad;
        if (!wczytajOdpowiedzi(plikOdpowiedzi, uzytkownik.odpowiedzi, &blad)) {
            k.err << blad << '\n';
            return Porazka;
        }
        uzytkownik.zOdpowiedzi = true;
    } else {
        uzytkownik.interaktywnie = isatty(fileno(stdin)) != 0;
    }

    auto koniec = [&](int kod) {
        if (json)
            k.zdarzenieJson("{\"event\":\"end\"}");
        return kod;
    };
    if (const auto brak = sprawdzWarunki(tremida::Polecenie::WyborSyst, k.baza)) {
        uzytkownik.komunikat(*brak);
        return koniec(Porazka);
    }
    TSesjaWnios sesja;
    QString bladWyboru;
    const auto wybor = WybierzSystem(k.baza, *kodSyst, sesja, &bladWyboru);
    if (!wybor) {
        if (!bladWyboru.isEmpty()) {
            uzytkownik.komunikat(bladWyboru);
            return koniec(Porazka);
        }
        k.err << QStringLiteral("W tabeli systemów nie ma systemu o kodzie %1.\n").arg(*kodSyst);
        return Porazka;
    }
    uzytkownik.komunikat(*wybor);
    // Input-fact values from a file, then the verification of the chosen mode.
    const PokazKomunikat pokaz = [&uzytkownik](const QString &t) { uzytkownik.komunikat(t); };
    if (!plikFaktow.isEmpty() &&
        CzytajWartFaktPlik(k.baza, plikFaktow, *kodSyst, sesja, pokaz) != WynikCzytFakt::Przeczytany)
        return koniec(Porazka);
    if (weryfikacja) {
        TWidokWeryf widok;
        widok.komunikat = pokaz;
        if (!WeryfikujBazeWiedzy(k.baza, k.konfig, *kodSyst, k.konfig.CzyPelnaWeryf, widok).czysta)
            return koniec(Porazka);
        pokaz(komunikatBazaZweryfikowana());
    }

    // The command continues every display at once, so the whole run is one transaction: a
    // commit at every display would only cost time (each is written to disk), and the run's
    // steps commit nothing of their own inside it. It is committed at the end, also after an
    // error message; a failed read, write or commit rolls it all back.
    Transakcja calyPrzebieg(k.baza);
    // Another program changing the same tables is waited for, or the run does not start.
    if (calyPrzebieg.zajmij(TabeleWnioskowania))
        dopasujLicznikKrokow(k.baza, sesja);
    // The exit status, once the run's changes are committed (or rolled back after a failure).
    auto zapisz = [&](int kod) {
        if (calyPrzebieg.zakoncz()) {
            pokazBladWnios(k.baza, uzytkownik);
            return koniec(Porazka);
        }
        return koniec(kod);
    };
    if (!calyPrzebieg.ok() || k.baza.blad())
        return zapisz(Porazka);

    TWniosWPrzod wprzod(k.baza, k.konfig, sesja, uzytkownik);
    TWniosWstecz wstecz(k.baza, k.konfig, sesja, uzytkownik);
    TFalsHip fals(wstecz);
    TWniosMiesz miesz(k.baza, k.konfig, sesja, uzytkownik, wstecz, wprzod);

    // Every display is continued, except the display number --close-after, which is closed.
    int wyswietlenia = 0;
    auto doKonca = [&](WynikPrzebiegu wynik, auto dalej, auto zamknij) {
        while (wynik == WynikPrzebiegu::Wstrzymany) {
            sesja.KontynuacjaZadana = true;
            if (++wyswietlenia == zamknijPo) {
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
    if (metoda == u"forward") {
        if (!wprzod.Przygotuj(konkluzje))
            return zapisz(Porazka);
        wynik = doKonca(
            wprzod.Start(hipoteza), [&] { return wprzod.Start(); },
            [&]() -> std::optional<WynikPrzebiegu> {
                wprzod.Zamknij();
                return std::nullopt;
            });
    } else if (metoda == u"backward") {
        if (!wstecz.Przygotuj(konkluzje))
            return zapisz(Porazka);
        wynik = doKonca(
            wstecz.Start(hipoteza), [&] { return wstecz.Start(); },
            [&]() -> std::optional<WynikPrzebiegu> { return wstecz.Zamknij(); });
    } else {
        if (!miesz.Przygotuj(konkluzje))
            return zapisz(Porazka);
        // In mixed inference the close button leaves the paused run as it is.
        wynik = doKonca(
            miesz.Start(hipoteza), [&] { return miesz.Dalej(); },
            [&]() -> std::optional<WynikPrzebiegu> {
                miesz.Zamknij();
                return std::nullopt;
            });
    }

    if (fals.czyPrzygotowana()) {
        QList<int> zaznaczone;
        const QStringList kandydaci = fals.kandydaci();
        for (qsizetype i = 0; i < kandydaci.size(); ++i)
            if (falsyfikujWszystkie || falsyfikujace.contains(kandydaci[i]))
                zaznaczone << int(i);
        if (!falsyfikujWszystkie && falsyfikujace.isEmpty()) {
            fals.Przerwij();
        } else {
            wynik = doKonca(
                fals.Start(zaznaczone), [&] { return fals.Start(); },
                [&]() -> std::optional<WynikPrzebiegu> { return fals.Zamknij(); });
        }
    }
    return zapisz(wynik == WynikPrzebiegu::Przerwany ? Porazka : Sukces);
}

int polecenieTrajectory(Kontekst &k, const QStringList &argumenty)
{
    const QString pol = QStringLiteral("trajectory");
    std::optional<int> kodSyst;
    bool json = false;
    for (const QString &a : argumenty) {
        if (a == u"--json")
            json = true;
        else if (!a.startsWith(u'-') && !kodSyst && tekstNaInt(a))
            kodSyst = tekstNaInt(a);
        else
            return bladUzycia(k, pol, QStringLiteral("Nieznany argument: %1").arg(a));
    }
    if (!kodSyst)
        return bladUzycia(k, pol, QStringLiteral("Podaj kod systemu."));
    if (const auto brak = sprawdzWarunki(tremida::Polecenie::OtwTabTraj, k.baza)) {
        k.komunikat(*brak);
        return Porazka;
    }
    // The steps are read one at a time and written out as they come: a run of millions of
    // steps needs no more memory than one.
    QSqlQuery q = k.baza.zapytanie();
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT * FROM trajektoria WHERE KodSyst=:ParIdSyst ORDER BY IdKrokTraj"));
    q.bindValue(QStringLiteral(":ParIdSyst"), *kodSyst);
    if (!q.exec()) {
        k.komunikat(QStringLiteral("Nie można odczytać tabeli trajektoria.db."));
        return Porazka;
    }
    k.out.flush();
    QFile wyjscie;
    wyjscie.open(stdout, QIODevice::WriteOnly, QFileDevice::DontCloseHandle);
    QByteArray linia;
    bool zapisane = true;
    auto piszLinie = [&]() { zapisane = zapisane && wyjscie.write(linia) == linia.size(); };
    if (!json) {
        linia = QStringList{QStringLiteral("Kod kroku trajektorii wnioskowania"), QStringLiteral("Kod systemu"),
                            QStringLiteral("Kod reguły analizowanej w danym kroku"),
                            QStringLiteral("Poziom analizowanych reguł w danym kroku"),
                            QStringLiteral("Numer iteracji na danym poziomie reguł w danym kroku"),
                            QStringLiteral("Kierunek wnioskowania w danym kroku"),
                            QStringLiteral("Czy analizowana reguła została \"odpalona\"?"),
                            QStringLiteral("CF konkluzji analizowanej i \"odpalonej\" reguły"),
                            QStringLiteral("Przyczyna \"nieodpalenia\" analizowanej reguły"),
                            QStringLiteral("Data wygenerowania rekordu kroku trajektorii")}
                    .join(u'\t')
                    .toUtf8() +
                '\n';
        piszLinie();
    }
    // Steps repeat a few texts and CFs over and over: each is converted once.
    QHash<QString, QByteArray> teksty;
    QHash<quint64, QByteArray> liczby;
    auto zTekstu = [&](const QString &t) -> const QByteArray & {
        auto it = teksty.find(t);
        if (it == teksty.end()) {
            if (teksty.size() > 1000)
                teksty.clear();
            // The JSON text goes through the same conversions as a message line does.
            it = teksty.insert(t, json ? QString::fromUtf8(tekstJson(t)).toUtf8() : t.toUtf8());
        }
        return *it;
    };
    auto zLiczby = [&](double d) -> const QByteArray & {
        quint64 bity;
        std::memcpy(&bity, &d, sizeof bity);
        auto it = liczby.find(bity);
        if (it == liczby.end()) {
            if (liczby.size() > 1000)
                liczby.clear();
            it = liczby.insert(bity, json ? liczbaJson(d) : realNaTekst(d).toUtf8());
        }
        return *it;
    };
    std::vector<int> pozycje;
    while (q.next()) {
        if (pozycje.empty()) {
            const QSqlRecord r = q.record();
            for (const char *kolumna : {"IdKrokTraj", "KodSyst", "KodRegTraj", "PozRegTraj", "IterRegTraj",
                                        "KierWniTraj", "CzyOdpalTraj", "CFKonklRegTraj", "PrzyczNieOdpalTraj",
                                        "DataRek"})
                pozycje.push_back(r.indexOf(QLatin1String(kolumna)));
        }
        auto wartosc = [&](int i) { return pozycje[size_t(i)] >= 0 ? q.value(pozycje[size_t(i)]) : QVariant(); };
        auto calk = [&](int i) { return QByteArray::number(wartosc(i).toInt()); };
        auto opcjonalna = [&](int i, const QByteArray &brak) {
            const QVariant v = wartosc(i);
            return v.isNull() ? brak : QByteArray::number(v.toInt());
        };
        const QVariant cf = wartosc(7);
        linia.clear();
        if (json) {
            linia += "{\"IdKrokTraj\":" + calk(0) + ",\"KodSyst\":" + calk(1) + ",\"KodRegTraj\":" + calk(2) +
                     ",\"PozRegTraj\":" + opcjonalna(3, "null") + ",\"IterRegTraj\":" + opcjonalna(4, "null") +
                     ",\"KierWniTraj\":" + zTekstu(wartosc(5).toString()) +
                     ",\"CzyOdpalTraj\":" + zTekstu(wartosc(6).toString()) +
                     ",\"CFKonklRegTraj\":" + (cf.isNull() ? QByteArray("null") : zLiczby(cf.toDouble())) +
                     ",\"PrzyczNieOdpalTraj\":" + zTekstu(wartosc(8).toString()) +
                     ",\"DataRek\":" + zTekstu(wartosc(9).toString()) + "}\n";
        } else {
            linia += calk(0) + '\t' + calk(1) + '\t' + calk(2) + '\t' + opcjonalna(3, {}) + '\t' + opcjonalna(4, {}) +
                     '\t' + zTekstu(wartosc(5).toString()) + '\t' + zTekstu(wartosc(6).toString()) + '\t' +
                     (cf.isNull() ? QByteArray() : zLiczby(cf.toDouble())) + '\t' +
                     zTekstu(wartosc(8).toString()) + '\t' + zTekstu(wartosc(9).toString()) + '\n';
        }
        piszLinie();
    }
    zapisane = wyjscie.flush() && zapisane;
    wyjscie.close();
    // Steps that could not be read to the end are not passed off as the whole trajectory.
    if (q.lastError().isValid()) {
        k.komunikat(QStringLiteral("Nie można odczytać tabeli trajektoria.db."));
        return Porazka;
    }
    if (!zapisane || std::fflush(stdout) != 0) {
        k.err << QStringLiteral("Nie można zapisać kroków trajektorii na standardowe wyjście (brak miejsca na dysku "
                                "albo zamknięty odbiorca).\n");
        k.err.flush();
        return Porazka;
    }
    return Sukces;
}

} // namespace tremida::cli
