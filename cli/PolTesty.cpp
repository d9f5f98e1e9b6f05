// test: the test cases of a knowledge base run on a scratch copy of the tables, one line per
// case, a summary, a JUnit XML report for build servers; --record writes today's outcomes into
// the test file as its expectations.

#include "Cli.h"

#include "explain/PrzypadkiTestowe.h"
#include "inference/DostepWnios.h"
#include "store/Konwersje.h"
#include "store/PlikiProgramu.h"
#include "store/Warunki.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace tremida::cli {

namespace {

// Writes a file the user named, never over a file of the program; the message of a failure.
std::optional<QString> zapiszPlik(Kontekst &k, const QString &sciezka, const QByteArray &tresc, const QString &rodzaj)
{
    const QString nazwa = QDir::toNativeSeparators(sciezka);
    const QFileInfo fi(sciezka);
    if (fi.exists() && !fi.isFile())
        return QStringLiteral("%1 %2 nie jest zwykłym plikiem.").arg(rodzaj, nazwa);
    if (const auto plik = plikProgramu(k.baza, sciezka))
        return QStringLiteral("%1 %2 jest plikiem %3 programu; jego zapis zniszczyłby dane.").arg(rodzaj, nazwa, *plik);
    QSaveFile f(sciezka);
    if (!f.open(QIODevice::WriteOnly) || f.write(tresc) != tresc.size() || !f.commit())
        return QStringLiteral("Błąd zapisu pliku %1: %2.").arg(nazwa, f.errorString());
    return std::nullopt;
}

} // namespace

int polecenieTest(Kontekst &k, const QStringList &argumenty)
{
    const QString pol = QStringLiteral("test");
    QString plikTestow, plikJUnit;
    bool json = false, zapis = false;
    for (qsizetype i = 0; i < argumenty.size(); ++i) {
        const QString &a = argumenty[i];
        if (a == u"--json")
            json = true;
        else if (a == u"--record")
            zapis = true;
        else if (a == u"--junit" && i + 1 < argumenty.size() && !argumenty[i + 1].isEmpty())
            plikJUnit = argumenty[++i];
        else if (!a.startsWith(u'-') && plikTestow.isEmpty())
            plikTestow = a;
        else
            return bladUzycia(k, pol, QStringLiteral("Nieznany argument: %1").arg(a));
    }
    if (plikTestow.isEmpty())
        return bladUzycia(k, pol, QStringLiteral("Podaj plik testów."));

    TPlikTestow plik;
    QString blad;
    if (!wczytajPlikTestow(plikTestow, plik, &blad)) {
        k.komunikat(blad);
        return Porazka;
    }
    if (const auto brak = sprawdzWarunki(tremida::Polecenie::WyborSyst, k.baza)) {
        k.komunikat(*brak);
        return Porazka;
    }
    if (!dostep::system(k.baza, plik.system)) {
        k.komunikat(k.baza.blad() ? komunikatBleduBazy(*k.baza.blad(), ogon::Opcja)
                                  : QStringLiteral("W tabeli systemów nie ma systemu o kodzie %1.").arg(plik.system));
        return Porazka;
    }
    TKopiaRobocza kopia;
    if (!kopia.utworz(k.baza, &blad)) {
        k.komunikat(blad);
        return Porazka;
    }

    QList<TWynikPrzypadku> wyniki;
    int zgodne = 0;
    for (const TPrzypadekTestowy &p : std::as_const(plik.przypadki)) {
        const TWynikPrzypadku w = uruchomPrzypadek(kopia, k.konfig, plik, p);
        wyniki << w;
        zgodne += w.zgodny();
        QStringList roznice = w.roznice;
        if (!w.wykonany)
            roznice = {QStringLiteral("przypadku nie można wykonać: %1").arg(tekstDoWyswietlenia(w.blad))};
        if (json) {
            const QJsonObject o{{QStringLiteral("event"), QStringLiteral("case")},
                                {QStringLiteral("name"), w.nazwa},
                                {QStringLiteral("ok"), zapis ? w.wykonany : w.zgodny()},
                                {QStringLiteral("differences"), QJsonArray::fromStringList(zapis && w.wykonany ? QStringList() : roznice)},
                                {QStringLiteral("time"), w.czas}};
            k.zdarzenieJson(QJsonDocument(o).toJson(QJsonDocument::Compact));
        } else if (zapis) {
            k.out << (w.wykonany ? QStringLiteral("ZAPISANO  %1").arg(w.nazwa)
                                 : QStringLiteral("BŁĄD  %1: %2").arg(w.nazwa, roznice.join(QStringLiteral("; "))))
                  << '\n';
        } else {
            k.out << (w.zgodny() ? QStringLiteral("OK  %1").arg(w.nazwa)
                                 : QStringLiteral("BŁĄD  %1: %2").arg(w.nazwa, roznice.join(QStringLiteral("; "))))
                  << '\n';
        }
        k.out.flush();
    }

    // A report that could not be written fails the command, whatever the cases gave.
    bool raportZapisany = true;
    if (!plikJUnit.isEmpty()) {
        if (const auto b = zapiszPlik(k, plikJUnit, raportJUnit(QDir::toNativeSeparators(plikTestow), plik.system, wyniki),
                                      QStringLiteral("Plik raportu"))) {
            k.komunikat(*b + QStringLiteral("\n\rOpcja nie zostanie zrealizowana."));
            raportZapisany = false;
        }
    }
    if (zapis) {
        int wykonane = 0;
        for (qsizetype i = 0; i < wyniki.size(); ++i)
            if (wyniki[i].wykonany) {
                zapiszJakoOczekiwane(plik.przypadki[i], wyniki[i]);
                ++wykonane;
            }
        if (wykonane < wyniki.size()) {
            k.komunikat(QStringLiteral("Nie wszystkie przypadki dały się wykonać; plik testów %1 pozostaje bez zmian.")
                            .arg(QDir::toNativeSeparators(plikTestow)));
            return Porazka;
        }
        if (const auto b = zapiszPlik(k, plikTestow, tekstPlikuTestow(plik), QStringLiteral("Plik testów"))) {
            k.komunikat(*b + QStringLiteral("\n\rOpcja nie zostanie zrealizowana."));
            return Porazka;
        }
        const QString podsumowanie = QStringLiteral("Wyniki przypadków testowych (%1) zapisano jako oczekiwane do pliku %2.")
                                         .arg(wyniki.size())
                                         .arg(QDir::toNativeSeparators(plikTestow));
        if (json)
            k.zdarzenieJson(QJsonDocument(QJsonObject{{QStringLiteral("event"), QStringLiteral("recorded")},
                                                      {QStringLiteral("cases"), int(wyniki.size())},
                                                      {QStringLiteral("file"), plikTestow}})
                                .toJson(QJsonDocument::Compact));
        else
            k.komunikat(podsumowanie);
        return raportZapisany ? Sukces : Porazka;
    }
    const int niezgodne = int(wyniki.size()) - zgodne;
    if (json)
        k.zdarzenieJson(QJsonDocument(QJsonObject{{QStringLiteral("event"), QStringLiteral("summary")},
                                                  {QStringLiteral("cases"), int(wyniki.size())},
                                                  {QStringLiteral("passed"), zgodne},
                                                  {QStringLiteral("failed"), niezgodne}})
                            .toJson(QJsonDocument::Compact));
    else
        k.out << QStringLiteral("Przypadki testowe: %1, zgodne: %2, niezgodne: %3.\n").arg(wyniki.size()).arg(zgodne).arg(niezgodne);
    k.out.flush();
    return niezgodne == 0 && raportZapisany ? Sukces : Porazka;
}

} // namespace tremida::cli
