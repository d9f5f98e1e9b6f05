// Checks of knowledge bases from the terminal: verify (verification before inference),
// check-db (consistency check of the whole database) and read-facts (input-fact values
// from a text file).

#include "Cli.h"

#include "inference/CzytFaktPlik.h"
#include "inference/DostepWnios.h"
#include "store/Konwersje.h"
#include "store/Warunki.h"
#include "verify/KontrSpojn.h"
#include "verify/WeryfBazy.h"

namespace tremida::cli {

namespace {

// How messages are shown (JSON lines or text) once the knowledge base `kodSyst` is chosen:
// the files the choice of a knowledge base needs were found and the knowledge base exists.
// Otherwise the failure was reported and nothing is returned.
std::optional<PokazKomunikat> pokazDlaSystemu(Kontekst &k, int kodSyst, bool json)
{
    const PokazKomunikat pokaz = [&k, json](const QString &t) { json ? k.komunikatJson(t) : k.komunikat(t); };
    if (const auto brak = sprawdzWarunki(tremida::Polecenie::WyborSyst, k.baza)) {
        pokaz(*brak);
        return std::nullopt;
    }
    if (!dostep::system(k.baza, kodSyst)) {
        k.err << QStringLiteral("W tabeli systemów nie ma systemu o kodzie %1.\n").arg(kodSyst);
        return std::nullopt;
    }
    return pokaz;
}

} // namespace

int polecenieVerify(Kontekst &k, const QStringList &argumenty)
{
    const QString pol = QStringLiteral("verify");
    std::optional<int> kodSyst;
    bool pelna = k.konfig.CzyPelnaWeryf;
    bool json = false;
    for (const QString &a : argumenty) {
        if (a == u"--full")
            pelna = true;
        else if (a == u"--short")
            pelna = false;
        else if (a == u"--json")
            json = true;
        else if (!a.startsWith(u'-') && !kodSyst && tekstNaInt(a))
            kodSyst = tekstNaInt(a);
        else
            return bladUzycia(k, pol, QStringLiteral("Nieznany argument: %1").arg(a));
    }
    if (!kodSyst)
        return bladUzycia(k, pol, QStringLiteral("Podaj kod systemu."));
    const auto pokaz = pokazDlaSystemu(k, *kodSyst, json);
    if (!pokaz)
        return Porazka;
    TWidokWeryf widok;
    widok.komunikat = *pokaz;
    const TWynikWeryf wynik = WeryfikujBazeWiedzy(k.baza, k.konfig, *kodSyst, pelna, widok);
    if (!wynik.czysta)
        return Porazka;
    (*pokaz)(komunikatBazaZweryfikowana());
    return Sukces;
}

int polecenieCheckDb(Kontekst &k, const QStringList &argumenty)
{
    const QString pol = QStringLiteral("check-db");
    QString plik;
    for (qsizetype i = 0; i < argumenty.size(); ++i) {
        if (argumenty[i] == u"--errors-file" && i + 1 < argumenty.size() && !argumenty[i + 1].isEmpty())
            plik = argumenty[++i];
        else
            return bladUzycia(k, pol, QStringLiteral("Nieznany argument: %1").arg(argumenty[i]));
    }
    if (const auto brak = sprawdzWarunki(tremida::Polecenie::KontrSpojnBazy, k.baza)) {
        k.komunikat(*brak);
        return Porazka;
    }
    TWidokSpojn widok;
    widok.linia = [&k](const QString &linia) {
        k.out << linia << '\n';
        k.out.flush();
    };
    // The summary is the memo's last line already; other message boxes (a failure of the
    // error file) go to standard error.
    QStringList komunikaty;
    widok.komunikat = [&komunikaty](const QString &t) { komunikaty.append(t); };
    const TWynikSpojn wynik = KontrolaSpojnosciBazy(k.baza, k.konfig, plik, widok);
    for (const QString &t : std::as_const(komunikaty))
        if (t != wynik.podsumowanie)
            k.err << tekstDoWyswietlenia(t) << '\n';
    if (wynik.bladPliku || wynik.bladBazy)
        return Porazka;
    return wynik.bledy ? Porazka : Sukces;
}

int polecenieReadFacts(Kontekst &k, const QStringList &argumenty)
{
    const QString pol = QStringLiteral("read-facts");
    bool json = false;
    QStringList reszta;
    for (const QString &a : argumenty) {
        if (a == u"--json")
            json = true;
        else
            reszta.append(a);
    }
    if (reszta.size() != 2)
        return bladUzycia(k, pol, QStringLiteral("Podaj kod systemu i nazwę pliku."));
    const auto kodSyst = tekstNaInt(reszta[0]);
    if (!kodSyst)
        return bladUzycia(k, pol, QStringLiteral("Kod systemu musi być liczbą całkowitą."));
    const auto pokaz = pokazDlaSystemu(k, *kodSyst, json);
    if (!pokaz)
        return Porazka;
    TSesjaWnios sesja;
    return CzytajWartFaktPlik(k.baza, reszta[1], *kodSyst, sesja, *pokaz) == WynikCzytFakt::Przeczytany ? Sukces
                                                                                                          : Porazka;
}

} // namespace tremida::cli
