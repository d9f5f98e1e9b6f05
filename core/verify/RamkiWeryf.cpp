#include "RamkiWeryf.h"

namespace tremida {

namespace {

bool idZakresu(const QString &id, QChar litera, int od, int doIncl)
{
    if (id.size() < 2 || id[0] != litera)
        return false;
    bool ok = false;
    const int n = id.mid(1).toInt(&ok);
    return ok && n >= od && n <= doIncl;
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
    if (idZakresu(id, u'S', 1, 6))
        return QStringLiteral("Kod reguły: ") + u.kodReg + QStringLiteral(". Błąd składni reguły. ") + szczegol(id) +
               ogon;
    if (id == u"P3")
        return przes + QStringLiteral(" Ostrzeżenie. Stwierdzono operator \"=\" w odniesieniu do faktu rzeczywistego."
                                      " Możliwa zła interpretacja wartości logicznej przesłanki."
                                      " Wartość faktu rzeczywistego powinna byc porównywana przedziałowo.");
    if (!u.wKonkluzji && idZakresu(id, u'C', 1, 6)) {
        QString detal = szczegol(id);
        if (id == u"C4")
            detal = QStringLiteral(" Forma wartości wadliwa - nie konwertuje się do wartości całkowitoliczbowej.");
        else if (id == u"C6")
            detal = QStringLiteral(" Forma wartości wadliwa - nie konwertuje się do wartości logicznej (TRUE, FALSE "
                                   "lub UNKNOWN).");
        return przes + QStringLiteral(" Stała o kodzie: ") + QString::number(u.idStala) + rodzajStalej(id) + detal +
               ogon;
    }
    if (!u.wKonkluzji && idZakresu(id, u'C', 7, 14))
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
