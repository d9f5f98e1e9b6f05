#include "JezykReg.h"

#include "KomunikatyWnios.h"

namespace tremida::jezyk {

TRamkaWnios::TRamkaWnios()
{
    ogon = kom::przerwanie();
    ostatniaLiniaP3 = QStringLiteral("Proces wnioskowania będzie mimo wszystko kontynuowany.");
}

QString TRamkaWnios::szczegol(const QString &id) const
{
    if (id == u"P4")
        return QStringLiteral("Błąd składni reguły. Stwierdzono inny niż \"=\" operator w odniesieniu do faktu "
                              "wyliczeniowego.");
    return TRamkaReg::szczegol(id);
}

QString TRamkaWnios::komunikat(const TUsterkaReg &u) const
{
    // Constants are resolved against the actual facts: their findings name the premise only.
    if (u.id.startsWith(u'C'))
        return kom::ramkaB(u.kodReg, u.nrPrzes, kom::szczegolStalej(u.id));
    return TRamkaReg::komunikat(u);
}

namespace {
const TRamkaWnios &ramka()
{
    static const TRamkaWnios r;
    return r;
}
} // namespace

QString komunikat(const QString &id, const QString &kod, int nrPrzes)
{
    TUsterkaReg u;
    u.id = id;
    u.kodReg = kod;
    u.nrPrzes = nrPrzes;
    return ramka().komunikat(u);
}

std::optional<QString> kontrolaNawiasow(const QString &kod, const QString &przesReg, const QString &konklReg)
{
    QString id;
    const qsizetype otwP = liczbaZnakow(przesReg, u'('), zamkP = liczbaZnakow(przesReg, u')');
    const qsizetype otwKwP = liczbaZnakow(przesReg, u'['), zamkKwP = liczbaZnakow(przesReg, u']');
    const qsizetype otwK = liczbaZnakow(konklReg, u'('), zamkK = liczbaZnakow(konklReg, u')');
    const qsizetype otwKwK = liczbaZnakow(konklReg, u'['), zamkKwK = liczbaZnakow(konklReg, u']');
    if (otwP != zamkP)
        id = QStringLiteral("S1");
    else if (otwKwP != zamkKwP)
        id = QStringLiteral("S2");
    else if (otwKwP % 2 != 0)
        id = QStringLiteral("S3");
    else if (otwK != zamkK)
        id = QStringLiteral("S4");
    else if (otwKwK != zamkKwK)
        id = QStringLiteral("S5");
    else if (otwKwK != 2)
        id = QStringLiteral("S6");
    else
        return std::nullopt;
    return komunikat(id, kod);
}

TRedukcja redukuj(const QString &tekstTokenow, const QString &kod, const TParKonfig &konfig)
{
    const TWynikRedukcji r = RedukujPolePrzesReg(tekstTokenow, kod, ramka(), konfig);
    TRedukcja wynik;
    switch (r.stan) {
    case TWynikRedukcji::Stan::Token:
        wynik.wartosc = r.wartosc;
        wynik.cf = r.cf;
        break;
    case TWynikRedukcji::Stan::Usterka:
        wynik.komunikat = r.usterki.isEmpty() ? QString() : r.usterki.last().tekst;
        break;
    case TWynikRedukcji::Stan::BezWartosci:
        break;
    }
    return wynik;
}

} // namespace tremida::jezyk
