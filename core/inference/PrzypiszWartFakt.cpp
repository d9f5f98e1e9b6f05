#include "PrzypiszWartFakt.h"

#include "DostepWnios.h"
#include "store/Baza.h"
#include "store/Konwersje.h"
#include "store/Rekordy.h"
#include "store/Slowa.h"

namespace tremida {

namespace kom {

namespace {
const QString NL = QStringLiteral("\n\r");
const QString MogaNieZostacOdpalone = QStringLiteral(
    "Proces wnioskowania będzie kontynuowany, jednak reguły mające ten fakt w polu przesłankowym mogą nie "
    "zostać \"odpalone\".");
} // namespace

QString PrzypisR1()
{
    return QStringLiteral("Przypisałeś więcej niż jedną wartość do faktu, będącego faktem jednowartościowym.") +
           NL + QStringLiteral("Popraw.");
}

QString PrzypisR2(int kod)
{
    return QStringLiteral("Forma CF wartości faktu o kodzie ") + intNaTekst(kod) +
           QStringLiteral(" wadliwa. Nie konwertuje się do wartości rzeczywistej.") + NL +
           QStringLiteral("Być może wprowadziłeś kropkę dziesiętną w miejsce przecinka. Sprawdź i popraw.");
}

QString PrzypisR3(int kod)
{
    return QStringLiteral("CF wartości faktu o kodzie ") + intNaTekst(kod) +
           QStringLiteral(" zpoza przedziału dopuszczalnego [0,1].") + NL + QStringLiteral("Popraw.");
}

QString PrzypisR4(int kod)
{
    return QStringLiteral("CF wartości faktu o kodzie ") + intNaTekst(kod) +
           QStringLiteral(" poniżej progu określonego w pliku konfiguracyjnym.") + NL + MogaNieZostacOdpalone;
}

QString PrzypisA2()
{
    return QStringLiteral("Została przypisana wartość (wartości) do faktu. Proces wnioskowania będzie kontynuowany.");
}

QString PrzypisN()
{
    return QStringLiteral("Nadal nie przypisałeś żadnej wartości do faktu. Proces wnioskowania będzie kontynuowany,") +
           NL +
           QStringLiteral("jednak reguły mające ten fakt w polu przesłankowym mogą nie zostać \"odpalone\".");
}

QString PrzypisR5()
{
    return QStringLiteral("Forma wartości faktu wadliwa. Nie konwertuje się do wartości rzeczywistej.") + NL +
           QStringLiteral("Być może wprowadziłeś kropkę dziesiętną w miejsce przecinka. Sprawdź i popraw.");
}

QString PrzypisR6()
{
    return QStringLiteral("Forma wartości faktu wadliwa. Nie konwertuje się do wartości całkowitej. Popraw.");
}

QString PrzypisR7()
{
    return QStringLiteral("Forma wartości faktu wadliwa. Nie konwertuje się do wartości logicznej. Popraw.");
}

QString PrzypisR8()
{
    return QStringLiteral("Forma CF wartości faktu wadliwa. Nie konwertuje się do wartości rzeczywistej.") + NL +
           QStringLiteral("Być może wprowadziłeś kropkę dziesiętną w miejsce przecinka. Sprawdź i popraw.");
}

QString PrzypisR9()
{
    return QStringLiteral("CF wartości faktu zpoza przedziału dopuszczalnego [0,1].") + NL + QStringLiteral("Popraw.");
}

QString PrzypisR10()
{
    return QStringLiteral("CF wartości faktu poniżej progu określonego w pliku konfiguracyjnym.") + NL +
           MogaNieZostacOdpalone;
}

QString PrzypisA1()
{
    return QStringLiteral("Została przypisana wartość do faktu. Proces wnioskowania będzie kontynuowany.");
}

} // namespace kom

namespace {

// Marks the fact as declared unknown in this run; false when the write failed.
bool oznaczNzn(Baza &baza, int idFakt, const std::optional<QString> &wartosc, std::optional<double> cf)
{
    auto f = dostep::fakt(baza, idFakt);
    if (!f)
        return !baza.blad();
    f->WartPoprzFakt = slowa::Nzn;
    if (wartosc)
        f->WartFakt = *wartosc;
    if (cf)
        f->CFWartFakt = cf;
    return dostep::zapiszWartFaktu(baza, *f);
}

bool wartoscLogiczna(const QString &t)
{
    const QString g = t.toUpper();
    return g == slowa::True || g == slowa::False;
}

} // namespace

WynikPrzypisania PrzypiszWartFaktSkalar(Baza &baza, const TParKonfig &konfig, const TRekFakt &fakt,
                                        const QString &wartosc, const QString &cf, const PokazKomunikat &pokaz,
                                        QString *wynikWart)
{
    if (wartosc.isEmpty() || wartosc == slowa::BrakWartosci) {
        // An emptied value edit is stored as "???": every reader treats only "???" as no value,
        // and an empty text would later be read as a value of the wrong form.
        if (!oznaczNzn(baza, fakt.IdFakt, slowa::BrakWartosci, tekstNaReal(cf)))
            return WynikPrzypisania::BladZapisu;
        pokaz(kom::PrzypisN());
        return WynikPrzypisania::BezWartosci;
    }
    if (fakt.TypFakt == slowa::Rzeczywisty && !tekstNaReal(wartosc)) {
        pokaz(kom::PrzypisR5());
        return WynikPrzypisania::Odrzucone;
    }
    if (fakt.TypFakt == slowa::Calkowity && !tekstNaInt(wartosc)) {
        pokaz(kom::PrzypisR6());
        return WynikPrzypisania::Odrzucone;
    }
    if (fakt.TypFakt == slowa::Logiczny && !wartoscLogiczna(wartosc)) {
        pokaz(kom::PrzypisR7());
        return WynikPrzypisania::Odrzucone;
    }
    const auto cfWart = tekstNaReal(cf);
    if (!cfWart) {
        pokaz(kom::PrzypisR8());
        return WynikPrzypisania::Odrzucone;
    }
    if (*cfWart < 0.0 || *cfWart > 1.0) {
        pokaz(kom::PrzypisR9());
        return WynikPrzypisania::Odrzucone;
    }
    if (*cfWart < konfig.ProgCF)
        pokaz(kom::PrzypisR10());
    auto f = dostep::fakt(baza, fakt.IdFakt);
    TRekFakt zapis = f ? *f : fakt;
    zapis.WartFakt = wartosc;
    zapis.CFWartFakt = *cfWart;
    if (baza.blad() || !dostep::zapiszWartFaktu(baza, zapis))
        return WynikPrzypisania::BladZapisu;
    if (wynikWart)
        *wynikWart = zapis.WartFakt;
    pokaz(kom::PrzypisA1());
    return WynikPrzypisania::Przypisane;
}

WynikPrzypisania PrzypiszWartFaktWylicz(Baza &baza, const TParKonfig &konfig, const TRekFakt &fakt,
                                        const QList<TWierszWylicz> &wiersze, const PokazKomunikat &pokaz)
{
    const bool jednowartosciowy = fakt.CzyWielWart == slowa::Nie;
    int liczbaTak = 0;
    for (const TWierszWylicz &w : wiersze) {
        const auto cfWart = tekstNaReal(w.cf);
        if (w.wybor == slowa::Tak) {
            ++liczbaTak;
            if (liczbaTak > 1 && jednowartosciowy) {
                pokaz(kom::PrzypisR1());
                return WynikPrzypisania::Odrzucone;
            }
            if (!cfWart) {
                pokaz(kom::PrzypisR2(w.IdWartFaktWylicz));
                return WynikPrzypisania::Odrzucone;
            }
            if (*cfWart < 0.0 || *cfWart > 1.0) {
                pokaz(kom::PrzypisR3(w.IdWartFaktWylicz));
                return WynikPrzypisania::Odrzucone;
            }
            if (*cfWart < konfig.ProgCF)
                pokaz(kom::PrzypisR4(w.IdWartFaktWylicz));
        } else if (!cfWart && !w.cf.trimmed().isEmpty()) {
            // A CF that is not a number cannot be stored in the row, whatever its choice.
            pokaz(kom::PrzypisR2(w.IdWartFaktWylicz));
            return WynikPrzypisania::Odrzucone;
        }
        auto rek = dostep::wartoscWylicz(baza, w.IdWartFaktWylicz);
        if (baza.blad())
            return WynikPrzypisania::BladZapisu;
        if (!rek)
            continue;
        rek->CFWartFaktWyliczAkt = cfWart;
        if (w.wybor == slowa::Tak || w.wybor == slowa::Nie || w.wybor == slowa::BrakWartosci)
            rek->CzyFaktMaWartAkt = w.wybor;
        if (!dostep::zapiszWartWylicz(baza, *rek))
            return WynikPrzypisania::BladZapisu;
    }
    if (liczbaTak > 0) {
        pokaz(kom::PrzypisA2());
        return WynikPrzypisania::Przypisane;
    }
    if (!oznaczNzn(baza, fakt.IdFakt, std::nullopt, std::nullopt))
        return WynikPrzypisania::BladZapisu;
    pokaz(kom::PrzypisN());
    return WynikPrzypisania::BezWartosci;
}

WynikPrzypisania PorzucWartFakt(Baza &baza, const TRekFakt &fakt, const PokazKomunikat &pokaz)
{
    if (!oznaczNzn(baza, fakt.IdFakt, std::nullopt, std::nullopt))
        return WynikPrzypisania::BladZapisu;
    pokaz(kom::PrzypisN());
    return WynikPrzypisania::BezWartosci;
}

} // namespace tremida
