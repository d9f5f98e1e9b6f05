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
    TSilnikWnios(const TSilnikWnios &) = delete;
    TSilnikWnios &operator=(const TSilnikWnios &) = delete;

    // The launcher's preparation of a standalone run of the engine's direction: mode, a new
    // run state, the rule list and its distinct conclusions for the hypothesis list. False
    // after the message about no rule of the direction (H3 forward) or H4.
    bool Przygotuj(QStringList &konkluzje);

    // The preparation for mixed inference: a new run state and the rule list of the engine's
    // direction (no message of its own).
    WynikPrzygotowania PrzygotujListe(const PokazKomunikat &pokaz);

    // The paused run is abandoned without a message: nothing continues it.
    void Porzuc() { m_wstrzymany = false; }

    // Whether a conclusion of the run is shown and the run waits for continue or close.
    bool czyWstrzymany() const { return m_wstrzymany; }

    // The rules of the run's direction, level by level.
    const TListaReg &listaReg() const { return m_listaReg; }

    // Whether the main hypothesis of the run in hand has been proven.
    bool czyUdowodniona() const { return m_sesja.Udowodniona; }

    // The display of the last conclusion shown.
    const TWizKonkl &ostatniaKonkluzja() const { return m_wiz; }

protected:
    TSilnikWnios(Kierunek kierunek, Baza &baza, const TParKonfig &konfig, TSesjaWnios &sesja,
                 TUzytkownikWnios &uzytkownik)
        : m_kierunek(kierunek), m_baza(baza), m_konfig(konfig), m_sesja(sesja), m_uzytkownik(baza, uzytkownik),
          m_ocena(baza, konfig, sesja, m_uzytkownik)
    {
    }
    virtual ~TSilnikWnios() = default;

    // Forgets the run in hand: its own state as before any run (not paused, no rule list).
    virtual void nowyStan() = 0;

    const Kierunek m_kierunek;

    Baza &m_baza;
    const TParKonfig &m_konfig;
    TSesjaWnios &m_sesja;
    TUzytkownikStrzezony m_uzytkownik;
    TOcenaReg m_ocena;
    TWizKonkl m_wiz;
    TListaReg m_listaReg;
    bool m_wstrzymany = false;
};

} // namespace tremida
