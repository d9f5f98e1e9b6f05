#include "KrokIlustracji.h"

namespace tremida {

QString TKrokIlustracji::podpis(const char *slowo) const
{
    QString t = QStringLiteral("Pokaż ");
    if (*slowo)
        t += QString::fromUtf8(slowo) + u' ';
    return t + (m_film ? QStringLiteral("film") : QStringLiteral("obraz/zdjęcie"));
}

QString TKrokIlustracji::podpisPoprzedniego() const { return podpis("poprzedni"); }

void TKrokIlustracji::ustawLiczbe(int liczba)
{
    m_liczba = liczba < 0 ? 0 : liczba;
    m_pozycja = 0;
    m_poprzedniWidoczny = false;
    m_nastepnyWidoczny = m_liczba > 0;
    m_podpisNastepnego = podpis(m_liczba > 1 ? "pierwszy" : "");
}

void TKrokIlustracji::poPokazaniu()
{
    if (m_liczba == 1) {
        m_pozycja = 0;
        m_nastepnyWidoczny = true;
        m_poprzedniWidoczny = false;
        m_podpisNastepnego = podpis("");
        return;
    }
    m_podpisNastepnego = podpis("następny");
    m_nastepnyWidoczny = m_pozycja < m_liczba;
    m_poprzedniWidoczny = m_pozycja >= 2;
}

} // namespace tremida
