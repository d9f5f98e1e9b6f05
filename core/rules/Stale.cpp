#include "Stale.h"

#include "store/Konwersje.h"
#include "store/Slowa.h"

#include <cmath>

namespace tremida {

namespace {

QString bezSpacji(QString t) { return t.remove(u' '); }

bool czyLogiczna(const QString &t)
{
    const QString g = t.toUpper();
    return g == slowa::True || g == slowa::False;
}

} // namespace

TWynikStalaObl WartStalaObl(const QString &typArg, const QString &wartArg, const QString &parA, const QString &parB)
{
    TWynikStalaObl w;
    const bool brak = wartArg == slowa::BrakWartosci;
    auto blad = [&](IdUsterki id) {
        w.stan = TWynikStalaObl::Stan::Blad;
        w.idUsterki = id;
        return w;
    };
    if (typArg == slowa::Logiczny) {
        if (brak)
            return w;
        if (!czyLogiczna(wartArg))
            return blad(IdUsterki::C13);
        w.stan = TWynikStalaObl::Stan::Wartosc;
        w.wartosc = wartArg.toUpper();
        return w;
    }
    if (typArg != slowa::Rzeczywisty && typArg != slowa::Calkowity)
        return w;
    const bool rzecz = typArg == slowa::Rzeczywisty;
    std::optional<double> x;
    if (!brak) {
        if (rzecz)
            x = tekstNaReal(wartArg);
        else if (const auto i = tekstNaInt(wartArg))
            x = *i;
        if (!x)
            return blad(rzecz ? IdUsterki::C9 : IdUsterki::C12);
    }
    const auto a = tekstNaReal(parA);
    if (!a)
        return blad(IdUsterki::C10);
    const auto b = tekstNaReal(parB);
    if (!b)
        return blad(IdUsterki::C11);
    if (brak)
        return w;
    w.stan = TWynikStalaObl::Stan::Wartosc;
    if (rzecz) {
        w.wartosc = realNaTekst(*a * *x + *b);
    } else {
        // nearbyint rounds in the current mode, by default to the nearest with halves to even.
        const double r = std::nearbyint(*x * *a + *b);
        w.wartosc = std::isfinite(r) ? QString::number(r, 'f', 0) : realNaTekst(r);
        if (w.wartosc == QLatin1String("-0"))
            w.wartosc = QStringLiteral("0");
    }
    return w;
}

bool czyLiteralTypu(const QString &typFakt, const QString &wart) { return czyWartoscStalejTypu(typFakt, bezSpacji(wart)); }

bool czyWartoscStalejTypu(const QString &typFakt, const QString &wart)
{
    if (typFakt == slowa::Rzeczywisty)
        return tekstNaReal(wart).has_value();
    if (typFakt == slowa::Calkowity)
        return tekstNaInt(wart).has_value();
    if (typFakt == slowa::Logiczny)
        return czyLogiczna(wart);
    return false;
}

QString typStalejDlaFaktu(const QString &typFakt)
{
    if (typFakt == slowa::Rzeczywisty)
        return slowa::Rzeczywista;
    if (typFakt == slowa::Calkowity)
        return slowa::Calkowita;
    if (typFakt == slowa::Logiczny)
        return slowa::Logiczna;
    return QString();
}

} // namespace tremida
