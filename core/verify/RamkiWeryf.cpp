#include "RamkiWeryf.h"

namespace tremida {

namespace {

// The number of an id such as "S3" or "C12" for its letter, or 0.
int numerId(const QString &id, QChar litera)
{
    return id.startsWith(litera) ? id.mid(1).toInt() : 0;
}

} // namespace

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

QString TRamkaSpojn::szczegol(const QString &id) const
{
    if (id == u"V2")
        return QStringLiteral("Błąd składni reguły. Wartości stałej złej postaci.");
    if (id == u"V6")
        return QStringLiteral("Błąd składni reguły. Wartości faktu z przesłanki brak w tabeli wartości faktow "
                              "wyliczeniowych.");
    if (id == u"K4")
        return QStringLiteral("Wartości faktu z konkluzji brak w tabeli wartości faktow wyliczeniowych.");
    return TRamkaReg::szczegol(id);
}

QString TRamkaSpojn::komunikat(const TUsterkaReg &u) const
{
    const QString &id = u.id;
    const QString przes = przedrostek + u.kodReg + QStringLiteral(", przesłanka ") + nrPrzesTekst(u.nrPrzes) +
                          QStringLiteral(" licząc od początku pola przesłankowego.");
    if (const int n = numerId(id, u'S'); n >= 1 && n <= 6)
        return QStringLiteral("Kod reguły: ") + u.kodReg + QStringLiteral(". Błąd składni reguły. ") + szczegol(id) +
               ogon;
    if (id == u"P3")
        return przes + QStringLiteral(" Ostrzeżenie. Stwierdzono operator \"=\" w odniesieniu do faktu rzeczywistego."
                                      " Możliwa zła interpretacja wartości logicznej przesłanki."
                                      " Wartość faktu rzeczywistego powinna byc porównywana przedziałowo.");
    const int nrStalej = numerId(id, u'C');
    if (!u.wKonkluzji && nrStalej >= 1 && nrStalej <= 6) {
        QString detal = szczegol(id);
        if (id == u"C4")
            detal = QStringLiteral(" Forma wartości wadliwa - nie konwertuje się do wartości całkowitoliczbowej.");
        else if (id == u"C6")
            detal = QStringLiteral(" Forma wartości wadliwa - nie konwertuje się do wartości logicznej (TRUE, FALSE "
                                   "lub UNKNOWN).");
        return przes + QStringLiteral(" Stała o kodzie: ") + QString::number(u.idStala) + rodzajStalej(id) + detal +
               ogon;
    }
    if (!u.wKonkluzji && nrStalej >= 7 && nrStalej <= 14)
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
