#include "WolnyKod.h"

#include "Baza.h"

#include <cstring>

namespace tremida {

TWolnyKod::TWolnyKod() : m_zajety(new unsigned char[MaksKlucz + 1]) {}

std::optional<int> TWolnyKod::znajdz(Baza &baza, Tabela t)
{
    baza.synchronizuj();
    if (!baza.czyDolaczona(t))
        return std::nullopt;
    std::memset(m_zajety.get(), 0, MaksKlucz + 1);
    const OpisTabeli &o = opisTabeli(t);
    QSqlQuery q = baza.zapytanie();
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT %1 FROM %2").arg(o.kluczGlowny, o.nazwa)))
        return std::nullopt;
    while (q.next()) {
        const qlonglong k = q.value(0).toLongLong();
        if (k >= 1 && k <= MaksKlucz)
            m_zajety[static_cast<size_t>(k)] = 1;
    }
    int wynik = MaksKlucz + 1;
    for (int k = 1; k <= MaksKlucz; ++k)
        if (!m_zajety[static_cast<size_t>(k)]) {
            wynik = k;
            break;
        }
    m_ostatni = wynik;
    return wynik;
}

} // namespace tremida
