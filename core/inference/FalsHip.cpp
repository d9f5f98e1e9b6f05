#include "FalsHip.h"

#include "KomunikatyWnios.h"

namespace tremida {

TFalsHip::TFalsHip(TWniosWstecz &wstecz) : m_wstecz(wstecz), stan(wstecz.stan) {}

QStringList TFalsHip::kandydaci() const
{
    QStringList wynik;
    for (const TKandydatFals &k : stan.kandydaci)
        wynik << k.konkl;
    return wynik;
}

WynikPrzebiegu TFalsHip::Start(const QList<int> &zaznaczone)
{
    if (stan.wstrzymanaFals)
        return Dalej();
    TKrokWnios krok(m_wstecz.m_baza, m_wstecz.m_sesja, m_wstecz.m_uzytkownik);
    return krok.zakoncz(start(zaznaczone), [this] { koniecBledu(); });
}

WynikPrzebiegu TFalsHip::start(const QList<int> &zaznaczone)
{
    TUzytkownikWnios &u = m_wstecz.m_uzytkownik;
    u.uwagaWToku(false);
    m_wstecz.m_sesja.wyczyscTryby();
    m_wstecz.m_sesja.Falsyfikacja = true;
    m_wstecz.m_ocena.trybPytania = TrybWnios::Falsyf;
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

WynikPrzebiegu TFalsHip::nastepnyKandydat()
{
    for (;;) {
        ++stan.kandydat;
        if (stan.kandydat > stan.kandydaci.size()) {
            TUzytkownikWnios &u = m_wstecz.m_uzytkownik;
            u.uwagaWToku(false);
            u.komunikat(kom::koniecFalsyfikacji(stan.sfalsyfikowana));
            stan.falsyfPrzygotowana = false;
            m_wstecz.m_sesja.KontynuacjaZadana = false;
            return WynikPrzebiegu::Zakonczony;
        }
        const TKandydatFals &k = stan.kandydaci.at(stan.kandydat - 1);
        if (!k.zaznaczony)
            continue;
        if (!m_wstecz.faktCelu(k.konkl))
            return koniecBledu();
        m_wstecz.ustawRegulyHip(k.konkl);
        stan.iteracja = 0;
        stan.cfZagreg = 0.0;
        switch (m_wstecz.iteruj(TrybOceny::Falsyf)) {
        case TWniosWstecz::WynikIteracji::Przerwanie:
            return koniecBledu();
        case TWniosWstecz::WynikIteracji::Niewykazana:
            continue;
        case TWniosWstecz::WynikIteracji::Gotowe:
            break;
        }
        stan.pozycja = 0;
        return pokazNastepna();
    }
}

WynikPrzebiegu TFalsHip::pokazNastepna()
{
    const QString cel = stan.kandydaci.at(stan.kandydat - 1).konkl;
    if (!m_wstecz.odpalGotowa(TrybOceny::Falsyf, cel))
        return koniecBledu();
    stan.sfalsyfikowana = true;
    TUzytkownikWnios &u = m_wstecz.m_uzytkownik;
    u.komunikat(kom::falsUdowodniona(stan.kandydat, int(stan.gotowe.size()), stan.pozycja, m_wstecz.m_wiz.idReg));
    stan.wstrzymanaFals = true;
    u.pokazKonkluzje(m_wstecz.m_wiz);
    return WynikPrzebiegu::Wstrzymany;
}

WynikPrzebiegu TFalsHip::Dalej()
{
    if (!stan.wstrzymanaFals)
        return WynikPrzebiegu::Zakonczony;
    TKrokWnios krok(m_wstecz.m_baza, m_wstecz.m_sesja, m_wstecz.m_uzytkownik);
    stan.wstrzymanaFals = false;
    return krok.zakoncz(stan.pozycja < stan.gotowe.size() ? pokazNastepna() : nastepnyKandydat(),
                        [this] { koniecBledu(); });
}

WynikPrzebiegu TFalsHip::Zamknij()
{
    if (!stan.wstrzymanaFals)
        return WynikPrzebiegu::Zakonczony;
    m_wstecz.m_uzytkownik.wymagajNowegoWyboru();
    return Dalej();
}

void TFalsHip::Przerwij()
{
    stan.falsyfPrzygotowana = false;
    stan.wstrzymanaFals = false;
    m_wstecz.m_uzytkownik.uwagaWToku(false);
}

WynikPrzebiegu TFalsHip::koniecBledu()
{
    m_wstecz.m_uzytkownik.uwagaWToku(false);
    stan.wstrzymanaFals = false;
    m_wstecz.m_sesja.KontynuacjaZadana = false;
    return WynikPrzebiegu::Przerwany;
}

} // namespace tremida
