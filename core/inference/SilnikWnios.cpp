#include "SilnikWnios.h"

namespace tremida {

bool TSilnikWnios::Przygotuj(QStringList &konkluzje)
{
    TKrokWnios krok(m_baza, m_sesja, m_uzytkownik);
    nowyStan();
    const PokazKomunikat pokaz = [this](const QString &t) { m_uzytkownik.komunikat(t); };
    return krok.zakoncz(PrzygotujWnioskowanie(m_baza, m_konfig, m_sesja, m_kierunek, m_listaReg, konkluzje, pokaz));
}

WynikPrzygotowania TSilnikWnios::PrzygotujListe(const PokazKomunikat &pokaz)
{
    nowyStan();
    return PrzygotujListeReg(m_baza, m_konfig, m_sesja.KodSyst, m_kierunek, m_listaReg, nullptr, pokaz);
}

} // namespace tremida
