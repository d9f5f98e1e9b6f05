#include "WniosWPrzod.h"

#include "DostepWnios.h"
#include "KomunikatyWnios.h"
#include "store/Baza.h"
#include "store/Slowa.h"

namespace tremida {

void TStosRegOdpal::dodaj(int idReg, double cfReg, double cfKonkl)
{
    ++liczba;
    if (liczba == 1)
        pierwsza = TRegOdpal{idReg, cfKonkl};
    if (cfReg > wartNajCFReg) {
        najCFReg = TRegOdpal{idReg, cfKonkl};
        wartNajCFReg = cfReg;
    }
    if (cfKonkl > wartNajCFKonkl) {
        najCFKonkl = TRegOdpal{idReg, cfKonkl};
        wartNajCFKonkl = cfKonkl;
    }
}

std::optional<TRegOdpal> TStosRegOdpal::wybierz(const QString &metaReg) const
{
    if (metaReg == konfig::MetaMaksCFReg)
        return najCFReg;
    if (metaReg == konfig::MetaMaksCFKonkl)
        return najCFKonkl;
    return pierwsza;
}

void TWniosWPrzod::nowyStan()
{
    stan = TStanWniosWPrzod();
    m_listaReg.clear();
    m_wstrzymany = false;
}
void TWniosWPrzod::poBledzie()
{
    m_wstrzymany = false;
    m_sesja.KontynuacjaZadana = false;
    m_uzytkownik.uwagaWToku(false);
}

WynikPrzebiegu TWniosWPrzod::Start(const QString &hipoteza)
{
    if (m_sesja.KontynuacjaZadana && m_wstrzymany)
        return Dalej();
    TKrokWnios krok(m_baza, m_sesja, m_uzytkownik);
    return krok.zakoncz(start(hipoteza), [this] { poBledzie(); });
}

WynikPrzebiegu TWniosWPrzod::start(const QString &hipoteza)
{
    m_ocena.trybPytania = TrybWnios::WPrzod;
    const bool samodzielny = !m_sesja.czyMieszane();
    stan.tryb = samodzielny ? TrybWPrzod::Samodzielny : TrybWPrzod::FazaMieszana;
    m_wstrzymany = false;
    stan.regulyHip.clear();
    stan.hipFakt = 0;

    if (samodzielny) {
        m_uzytkownik.uwagaWToku(false);
        m_sesja.HipZdefiniowana = !hipoteza.isEmpty();
        m_sesja.HipGlowna = hipoteza;
        if (m_sesja.HipZdefiniowana) {
            m_sesja.Udowodniona = false;
            m_uzytkownik.komunikat(kom::H1());
        } else {
            m_uzytkownik.komunikat(kom::H2());
        }
        m_uzytkownik.uwagaWToku(true);
    } else {
        m_sesja.Udowodniona = false;
        const PokazKomunikat pokaz = [this](const QString &t) { m_uzytkownik.komunikat(t); };
        switch (PrzygotujListeReg(m_baza, m_konfig, m_sesja.KodSyst, Kierunek::WPrzod, m_listaReg, nullptr,
                                  pokaz)) {
        case WynikPrzygotowania::Puste:
            m_uzytkownik.komunikat(kom::H3());
            return WynikPrzebiegu::Zakonczony;
        case WynikPrzygotowania::PoziomZaWysoki:
            return WynikPrzebiegu::Zakonczony;
        case WynikPrzygotowania::Blad:
            return WynikPrzebiegu::Przerwany;
        case WynikPrzygotowania::Gotowe:
            break;
        }
    }

    if (m_sesja.HipZdefiniowana) {
        const auto fakt = FaktHipotezy(m_baza, m_sesja, m_uzytkownik, m_sesja.HipGlowna);
        if (!fakt)
            return WynikPrzebiegu::Przerwany;
        stan.hipFakt = fakt->IdFakt;
        for (const TPozListyReg &p : m_listaReg) {
            const auto r = dostep::regula(m_baza, p.IdReg);
            if (r && r->KonklReg == m_sesja.HipGlowna)
                stan.regulyHip.append(p.IdReg);
        }
    }

    if (samodzielny && !UsunTrajSystemu(m_baza, m_sesja.KodSyst))
        return WynikPrzebiegu::Przerwany;
    if (!zresetujReguly(m_baza, m_sesja.KodSyst, Kierunek::WPrzod))
        return WynikPrzebiegu::Przerwany;
    if (maksPoziomReg(m_baza, m_sesja.KodSyst, Kierunek::WPrzod) > m_konfig.MaxPozReg && !m_baza.blad()) {
        m_uzytkownik.komunikat(kom::H4());
        return WynikPrzebiegu::Przerwany;
    }
    if (samodzielny && !ZresetujBazeWiedzy(m_baza, m_sesja.KodSyst))
        return WynikPrzebiegu::Przerwany;
    if (m_listaReg.isEmpty()) {
        if (samodzielny)
            m_uzytkownik.komunikat(kom::H5());
        return koniecWyczerpania();
    }
    stan.iteracja = 0;
    return przebieg(Krok::NowaIteracja);
}

WynikPrzebiegu TWniosWPrzod::Dalej()
{
    if (!m_wstrzymany)
        return WynikPrzebiegu::Zakonczony;
    TKrokWnios krok(m_baza, m_sesja, m_uzytkownik);
    m_wstrzymany = false;
    m_uzytkownik.uwagaWToku(stan.tryb == TrybWPrzod::Samodzielny);
    return krok.zakoncz(przebieg(stan.odpalonaWczesniej ? Krok::Badanie : Krok::NowaIteracja), [this] { poBledzie(); });
}

void TWniosWPrzod::Zamknij()
{
    m_wstrzymany = false;
    m_sesja.KontynuacjaZadana = false;
    if (stan.tryb != TrybWPrzod::Samodzielny)
        return;
    m_uzytkownik.komunikat(kom::przerwanieWPrzodPrzezUzytkownika());
    m_uzytkownik.wymagajNowegoWyboru();
}

WynikPrzebiegu TWniosWPrzod::koniecWyczerpania()
{
    m_wstrzymany = false;
    m_sesja.KontynuacjaZadana = false;
    if (stan.tryb == TrybWPrzod::Samodzielny) {
        m_uzytkownik.uwagaWToku(false);
        if (m_sesja.HipZdefiniowana)
            m_uzytkownik.komunikat(m_sesja.Udowodniona ? kom::H7() : kom::H8());
        else
            m_uzytkownik.komunikat(kom::H9());
        m_uzytkownik.wymagajNowegoWyboru();
    } else if (m_sesja.Udowodniona) {
        m_uzytkownik.uwagaWToku(false);
        m_uzytkownik.komunikat(kom::H10());
        m_uzytkownik.wymagajNowegoWyboru();
    }
    return WynikPrzebiegu::Zakonczony;
}

WynikPrzebiegu TWniosWPrzod::przebieg(Krok krok)
{
    const bool samodzielny = stan.tryb == TrybWPrzod::Samodzielny;
    const int dlugosc = int(m_listaReg.size());
    for (;;) {
        switch (krok) {
        case Krok::NowaIteracja:
            if (samodzielny)
                m_uzytkownik.uwagaWToku(true);
            stan.stos.zeruj();
            ++stan.iteracja;
            stan.pozycja = 0;
            krok = Krok::Badanie;
            break;

        case Krok::Badanie: {
            ++stan.pozycja;
            if (stan.pozycja > dlugosc)
                return koniecWyczerpania();
            const auto reg = dostep::regulaDzielona(m_baza, m_listaReg.at(stan.pozycja - 1).IdReg);
            if (m_baza.blad())
                return WynikPrzebiegu::Przerwany;
            if (!reg || reg->CzyBieUdzWeWnios != slowa::Tak) {
                // A rule that has fired and takes no more part gets no trajectory row.
                if (stan.pozycja == dlugosc)
                    krok = Krok::Odpalenie;
                break;
            }
            const TWynikReg w = m_ocena.OblWartLogPolaPrzesReg(*reg, reg->PozReg, stan.iteracja, TrybOceny::WPrzod);
            if (w.przerwanie) {
                m_wstrzymany = false;
                return WynikPrzebiegu::Przerwany;
            }
            if (w.przyjeta)
                stan.stos.dodaj(reg->IdReg, reg->CFReg, w.cfKonkl);
            if (m_konfig.MetaReg == konfig::MetaPierwsza && stan.stos.liczba == 1)
                krok = Krok::Odpalenie;
            else if (stan.pozycja >= dlugosc)
                krok = Krok::Odpalenie;
            break;
        }

        case Krok::Odpalenie: {
            const auto wybrana = stan.stos.liczba > 0 ? stan.stos.wybierz(m_konfig.MetaReg) : std::nullopt;
            if (!wybrana)
                return koniecWyczerpania();
            stan.wybrana = *wybrana;
            QString rodzFakt;
            const auto reg = m_ocena.OdpalRegule(wybrana->IdReg, QString(), wybrana->cfKonkl, wybrana->cfKonkl,
                                                 stan.iteracja, TrybOceny::WPrzod, m_konfig.CzyOdpalUwzgl, &rodzFakt,
                                                 &stan.odpalonaWczesniej);
            if (!reg) {
                m_wstrzymany = false;
                return WynikPrzebiegu::Przerwany;
            }
            const QString kod = QString::number(reg->IdReg);
            const double agreg = m_ocena.zagregowanyCF(reg->KonklReg);
            m_wiz = m_ocena.WizKonklReg(*reg, agreg, rodzFakt);
            if (!m_sesja.HipZdefiniowana) {
                m_wstrzymany = true;
                m_uzytkownik.pokazKonkluzje(m_wiz);
                return WynikPrzebiegu::Wstrzymany;
            }
            if (stan.regulyHip.contains(reg->IdReg)) {
                m_sesja.Udowodniona = true;
                m_uzytkownik.komunikat(kom::H6(kod));
                m_wstrzymany = true;
                m_uzytkownik.pokazKonkluzje(m_wiz);
                return WynikPrzebiegu::Wstrzymany;
            }
            krok = stan.odpalonaWczesniej ? Krok::Badanie : Krok::NowaIteracja;
            break;
        }
        }
    }
}

} // namespace tremida
