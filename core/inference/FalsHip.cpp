// Falsification of the main hypothesis: the falsification operations of the backward run,
// which TFalsHip offers to the windows and to tremida-cli.

#include "FalsHip.h"

#include "KomunikatyWnios.h"

namespace tremida {

QStringList TWniosWstecz::kandydaciFals() const
{
    QStringList wynik;
    for (const TKandydatFals &k : stan.kandydaci)
        wynik << k.konkl;
    return wynik;
}

WynikPrzebiegu TWniosWstecz::StartFals(const QList<int> &zaznaczone)
{
    if (stan.wstrzymanaFals)
        return DalejFals();
    TKrokWnios krok(m_baza, m_sesja, m_uzytkownik);
    return krok.zakoncz(startFals(zaznaczone), [this] { koniecBleduFals(); });
}

WynikPrzebiegu TWniosWstecz::startFals(const QList<int> &zaznaczone)
{
    TUzytkownikWnios &u = m_uzytkownik;
    u.uwagaWToku(false);
    m_sesja.Tryb = TrybSesji::Falsyfikacja;
    m_ocena.trybPytania = TrybWnios::Falsyf;
    bool ktorys = false;
    for (qsizetype i = 0; i < stan.kandydaci.size(); ++i) {
        stan.kandydaci[i].zaznaczony = zaznaczone.contains(int(i));
        ktorys = ktorys || stan.kandydaci[i].zaznaczony;
    }
    if (!ktorys) {
        u.komunikat(kom::brakZaznaczonychFals());
        return WynikPrzebiegu::Przerwany;
    }
    u.uwagaWToku(true);
    stan.sfalsyfikowana = false;
    stan.kandydat = 0;
    return nastepnyKandydat();
}

WynikPrzebiegu TWniosWstecz::nastepnyKandydat()
{
    for (;;) {
        ++stan.kandydat;
        if (stan.kandydat > stan.kandydaci.size()) {
            TUzytkownikWnios &u = m_uzytkownik;
            u.uwagaWToku(false);
            u.komunikat(kom::koniecFalsyfikacji(stan.sfalsyfikowana));
            stan.falsyfPrzygotowana = false;
            m_sesja.KontynuacjaZadana = false;
            return WynikPrzebiegu::Zakonczony;
        }
        const TKandydatFals &k = stan.kandydaci.at(stan.kandydat - 1);
        if (!k.zaznaczony)
            continue;
        if (!faktCelu(k.konkl))
            return koniecBleduFals();
        ustawRegulyHip(k.konkl);
        stan.iteracja = 0;
        stan.cfZagreg = 0.0;
        switch (iteruj(TrybOceny::Falsyf)) {
        case WynikIteracji::Przerwanie:
            return koniecBleduFals();
        case WynikIteracji::Niewykazana:
            continue;
        case WynikIteracji::Gotowe:
            break;
        }
        stan.pozycja = 0;
        return pokazNastepnaFals();
    }
}

WynikPrzebiegu TWniosWstecz::pokazNastepnaFals()
{
    const QString cel = stan.kandydaci.at(stan.kandydat - 1).konkl;
    if (!odpalGotowa(TrybOceny::Falsyf, cel))
        return koniecBleduFals();
    stan.sfalsyfikowana = true;
    TUzytkownikWnios &u = m_uzytkownik;
    u.komunikat(kom::falsUdowodniona(stan.kandydat, int(stan.gotowe.size()), stan.pozycja, m_wiz.idReg));
    stan.wstrzymanaFals = true;
    u.pokazKonkluzje(m_wiz);
    return WynikPrzebiegu::Wstrzymany;
}

WynikPrzebiegu TWniosWstecz::DalejFals()
{
    if (!stan.wstrzymanaFals)
        return WynikPrzebiegu::Zakonczony;
    TKrokWnios krok(m_baza, m_sesja, m_uzytkownik);
    stan.wstrzymanaFals = false;
    return krok.zakoncz(stan.pozycja < stan.gotowe.size() ? pokazNastepnaFals() : nastepnyKandydat(),
                        [this] { koniecBleduFals(); });
}

WynikPrzebiegu TWniosWstecz::ZamknijFals()
{
    if (!stan.wstrzymanaFals)
        return WynikPrzebiegu::Zakonczony;
    m_uzytkownik.wymagajNowegoWyboru();
    return DalejFals();
}

void TWniosWstecz::PrzerwijFals()
{
    stan.falsyfPrzygotowana = false;
    stan.wstrzymanaFals = false;
    m_uzytkownik.uwagaWToku(false);
}

WynikPrzebiegu TWniosWstecz::koniecBleduFals()
{
    m_uzytkownik.uwagaWToku(false);
    stan.wstrzymanaFals = false;
    m_sesja.KontynuacjaZadana = false;
    return WynikPrzebiegu::Przerwany;
}

} // namespace tremida
