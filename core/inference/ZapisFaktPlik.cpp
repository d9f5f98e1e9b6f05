#include "ZapisFaktPlik.h"

#include "DostepWnios.h"
#include "rules/Usterki.h"
#include "store/Baza.h"
#include "store/Konwersje.h"
#include "store/PlikiProgramu.h"
#include "store/Slowa.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>

namespace tremida {

namespace {

const QString OpcjaNie = QStringLiteral("Opcja nie zostanie zrealizowana.");

// A descriptive value on one line: line breaks become blanks.
QString jednaLinia(QString s)
{
    s.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    s.replace(u'\n', u' ');
    s.replace(u'\r', u' ');
    return s;
}

bool maKoniecLinii(const QString &s) { return s.contains(u'\n') || s.contains(u'\r'); }

QString dataZapisu(const QDate &d)
{
    return QString::number(d.day()).rightJustified(2, u'0') + u'.' + QString::number(d.month()).rightJustified(2, u'0') +
           u'.' + QString::number(d.year());
}

} // namespace

namespace kom {
QString FaktyZapisaneDoPliku(int liczbaWartosci, const QString &sciezka)
{
    return QStringLiteral("Wartości faktów wprowadzanych (liczba wartości: %1) zostały zapisane do pliku tekstowego "
                          "%2.")
        .arg(liczbaWartosci)
        .arg(QDir::toNativeSeparators(sciezka));
}
} // namespace kom

TWynikZapisuFakt ZapiszWartFaktPlik(Baza &baza, int kodSyst, const QString &sciezka, const QDate &dzien)
{
    TWynikZapisuFakt wynik;
    const QString nazwa = QDir::toNativeSeparators(sciezka);
    auto porazka = [&](const QString &tekst) {
        wynik.ok = false;
        wynik.liczbaWartosci = 0;
        wynik.blad = tekst;
        return wynik;
    };
    const QFileInfo fi(sciezka);
    if (sciezka.isEmpty() || (fi.exists() && !fi.isFile()))
        return porazka(QStringLiteral("Plik tekstowy %1 nie jest zwykłym plikiem.").arg(nazwa) + NL + OpcjaNie);
    if (const auto plik = plikProgramu(baza, sciezka))
        return porazka(QStringLiteral("Plik tekstowy %1 jest plikiem %2 programu; jego zapis zniszczyłby dane.")
                           .arg(nazwa, *plik) +
                       NL + OpcjaNie);

    // The values are read in one transaction, so that another program's change made meanwhile
    // is either entirely in the file or not at all; nothing is written to the tables.
    QStringList trojki;
    QString nazSyst;
    {
        Transakcja odczyt(baza);
        const auto syst = odczyt.ok() ? dostep::system(baza, kodSyst) : std::nullopt;
        QList<TRekFakt> fakty;
        if (syst)
            fakty = dostep::faktySystemu(baza, kodSyst, {slowa::Wprowadzany});
        auto dodaj = [&](int kod, const QString &wartosc, const std::optional<double> &cf) {
            trojki << QString::number(kod) << wartosc << realNaTekst(cf.value_or(0.0));
            ++wynik.liczbaWartosci;
        };
        for (const TRekFakt &f : fakty) {
            if (f.TypFakt == slowa::Wyliczeniowy) {
                for (const TRekWartFaktWylicz &w : dostep::wartosciFaktu(baza, f.IdFakt)) {
                    if (w.CzyFaktMaWartAkt != slowa::Tak)
                        continue;
                    if (maKoniecLinii(w.WartFaktWylicz))
                        return porazka(QStringLiteral("Wartość o kodzie %1 faktu o kodzie %2 zawiera znak końca "
                                                      "wiersza i nie może zostać zapisana do pliku tekstowego.")
                                           .arg(w.IdWartFaktWylicz)
                                           .arg(f.IdFakt) +
                                       NL + OpcjaNie);
                    dodaj(f.IdFakt, w.WartFaktWylicz, w.CFWartFaktWyliczAkt);
                }
            } else if (!f.WartFakt.isEmpty() && f.WartFakt != slowa::BrakWartosci) {
                if (maKoniecLinii(f.WartFakt))
                    return porazka(QStringLiteral("Wartość faktu o kodzie %1 zawiera znak końca wiersza i nie może "
                                                  "zostać zapisana do pliku tekstowego.")
                                       .arg(f.IdFakt) +
                                   NL + OpcjaNie);
                dodaj(f.IdFakt, f.WartFakt, f.CFWartFakt);
            }
        }
        if (const auto b = baza.blad()) {
            const QString tekst = komunikatBleduBazy(*b, OpcjaNie);
            odczyt.wycofaj();
            baza.zapomnijBlad();
            return porazka(tekst);
        }
        odczyt.wycofaj();
        if (!syst)
            return porazka(QStringLiteral("W tabeli systemów nie ma systemu o kodzie %1.").arg(kodSyst) + NL + OpcjaNie);
        nazSyst = syst->NazSyst;
    }

    const QStringList opis{QStringLiteral("Kod systemu eksperckiego (bazy wiedzy)"),
                           QString::number(kodSyst),
                           QStringLiteral("Nazwa systemu eksperckiego (bazy wiedzy)"),
                           jednaLinia(nazSyst),
                           QStringLiteral("Data zapisu pliku"),
                           dataZapisu(dzien),
                           QStringLiteral("Zawartość pliku"),
                           QStringLiteral("wartości faktów wprowadzanych: kod faktu, wartość, CF"),
                           QStringLiteral("Liczba zapisanych wartości faktów"),
                           QString::number(wynik.liczbaWartosci)};
    QByteArray tresc;
    for (const QString &linia : opis + trojki)
        tresc += linia.toUtf8() + "\r\n";

    QSaveFile plik(sciezka);
    if (!plik.open(QIODevice::WriteOnly) || plik.write(tresc) != tresc.size() || !plik.commit()) {
        const QString przyczyna = plik.errorString();
        plik.cancelWriting();
        return porazka(QStringLiteral("Błąd zapisu pliku tekstowego %1: %2.").arg(nazwa, przyczyna) + NL + OpcjaNie);
    }
    wynik.ok = true;
    return wynik;
}

} // namespace tremida
