#include "RamkiWeryf.h"

namespace tremida {

TRamkaWeryf::TRamkaWeryf()
{
    przedrostek = QStringLiteral("Reguła o kodzie: ");
    ogon = NL + OgonWeryf;
    ostatniaLiniaP3 = QStringLiteral("Weryfikacja bazy reguł będzie kontynuowana.");
}

TRamkaSpojn::TRamkaSpojn()
{
    przedrostek = QStringLiteral("Reguła o kodzie: ");
    nl = QStringLiteral(" ");
    ogon = u' ' + OgonWeryf;
    ostatniaLiniaP3.clear();
}

QString TRamkaSpojn::szczegol(IdUsterki id) const
{
    if (id == IdUsterki::V2)
        return QStringLiteral("Błąd składni reguły. Wartości stałej złej postaci.");
    if (id == IdUsterki::V6)
        return QStringLiteral("Błąd składni reguły. Wartości faktu z przesłanki brak w tabeli wartości faktow "
                              "wyliczeniowych.");
    if (id == IdUsterki::K4)
        return QStringLiteral("Wartości faktu z konkluzji brak w tabeli wartości faktow wyliczeniowych.");
    return TRamkaReg::szczegol(id);
}

QString TRamkaSpojn::komunikat(const TUsterkaReg &u) const
{
    using enum IdUsterki;
    const IdUsterki id = u.id;
    const QString przes = przedrostek + u.kodReg + QStringLiteral(", przesłanka ") + nrPrzesTekst(u.nrPrzes) +
                          QStringLiteral(" licząc od początku pola przesłankowego.");
    if (wZakresie(id, S1, S6))
        return QStringLiteral("Kod reguły: ") + u.kodReg + QStringLiteral(". Błąd składni reguły. ") + szczegol(id) +
               ogon;
    if (id == P3)
        return przes + QStringLiteral(" Ostrzeżenie. Stwierdzono operator \"=\" w odniesieniu do faktu rzeczywistego."
                                      " Możliwa zła interpretacja wartości logicznej przesłanki."
                                      " Wartość faktu rzeczywistego powinna byc porównywana przedziałowo.");
    if (!u.wKonkluzji && wZakresie(id, C1, C6)) {
        QString detal = szczegol(id);
        if (id == C4)
            detal = QStringLiteral(" Forma wartości wadliwa - nie konwertuje się do wartości całkowitoliczbowej.");
        else if (id == C6)
            detal = QStringLiteral(" Forma wartości wadliwa - nie konwertuje się do wartości logicznej (TRUE, FALSE "
                                   "lub UNKNOWN).");
        return przes + QStringLiteral(" Stała o kodzie: ") + QString::number(u.idStala) + rodzajStalej(id) + detal +
               ogon;
    }
    if (!u.wKonkluzji && wZakresie(id, C7, C14))
        return przes + szczegol(id) + ogon;
    return TRamkaReg::komunikat(u);
}

QString TStylKontr::tekst(const QStringList &czesci, bool blad) const
{
    QStringList c = czesci;
    if (blad)
        c.append(OgonWeryf);
    return c.join(jednaLinia ? QStringLiteral(" ") : NL);
}

} // namespace tremida
