#pragma once
// What the forward and the backward run share: the tables, the configuration, the inference
// context (which owns the mode and the main hypothesis), the user behind the guard that
// records failed writes, the rule evaluation and the display of the last conclusion shown.

#include "KrokWnios.h"
#include "OcenaReg.h"
#include "SesjaWnios.h"
#include "UzytkownikWnios.h"

namespace tremida {

class Baza;

class TSilnikWnios {
public:
    TSilnikWnios(Baza &baza, const TParKonfig &konfig, TSesjaWnios &sesja, TUzytkownikWnios &uzytkownik)
        : m_baza(baza), m_konfig(konfig), m_sesja(sesja), m_uzytkownik(baza, uzytkownik),
          m_ocena(baza, konfig, sesja, m_uzytkownik)
    {
    }
    TSilnikWnios(const TSilnikWnios &) = delete;
    TSilnikWnios &operator=(const TSilnikWnios &) = delete;

    // Whether the main hypothesis of the run in hand has been proven.
    bool czyUdowodniona() const { return m_sesja.Udowodniona; }

    // The display of the last conclusion shown.
    const TWizKonkl &ostatniaKonkluzja() const { return m_wiz; }

protected:
    ~TSilnikWnios() = default;

    Baza &m_baza;
    const TParKonfig &m_konfig;
    TSesjaWnios &m_sesja;
    TUzytkownikStrzezony m_uzytkownik;
    TOcenaReg m_ocena;
    TWizKonkl m_wiz;
};

} // namespace tremida
