#include "TDrukFakt.h"

namespace tremida {

void TDrukFakt::wyczysc()
{
    for (auto &k : m_kolumny)
        k.clear();
}

void TDrukFakt::wpisz(Kolumna k, int linia, const QString &tekst)
{
    QStringList &kol = m_kolumny[static_cast<size_t>(k)];
    while (kol.size() <= linia)
        kol << QString();
    kol[linia] = tekst;
}

int TDrukFakt::wpiszKawalki(Kolumna k, int linia, const QStringList &kawalki)
{
    for (const QString &kawalek : kawalki)
        wpisz(k, linia++, kawalek);
    return linia;
}

int TDrukFakt::liczbaLinii() const
{
    qsizetype n = 0;
    for (const auto &k : m_kolumny)
        n = std::max(n, k.size());
    return static_cast<int>(n);
}

QString TDrukFakt::tekst(Kolumna k, int linia) const { return m_kolumny[static_cast<size_t>(k)].value(linia); }

} // namespace tremida
