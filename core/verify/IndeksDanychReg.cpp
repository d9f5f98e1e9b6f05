#include "IndeksDanychReg.h"

namespace tremida {

namespace {

template <typename K>
void pierwszy(QHash<K, qsizetype> &mapa, const K &klucz, qsizetype i)
{
    if (!mapa.contains(klucz))
        mapa.insert(klucz, i);
}

} // namespace

TIndeksDanychReg::TIndeksDanychReg(const TDaneReg &dane) : m_dane(dane)
{
    // Only the first row of a key is indexed, as the walks answer with the first one.
    for (qsizetype i = 0; i < dane.fakty.size(); ++i) {
        const TRekFakt &f = dane.fakty.at(i);
        pierwszy(m_faktyWgNazwy, qMakePair(f.KodSyst, f.NazFakt), i);
        pierwszy(m_faktyWgKodu, f.IdFakt, i);
    }
    for (qsizetype i = 0; i < dane.stale.size(); ++i) {
        const TRekStala &s = dane.stale.at(i);
        pierwszy(m_staleWgNazwy, qMakePair(s.KodSyst, s.NazStala), i);
    }
    for (qsizetype i = 0; i < dane.wartosci.size(); ++i)
        m_wartosciWgFaktu[dane.wartosci.at(i).KodFakt].append(i);
}

std::optional<TRekFakt> TIndeksDanychReg::faktONazwie(int kodSyst, const QString &nazwa) const
{
    const auto it = m_faktyWgNazwy.constFind(qMakePair(kodSyst, nazwa));
    return it != m_faktyWgNazwy.constEnd() ? std::optional<TRekFakt>(m_dane.fakty.at(*it)) : std::nullopt;
}

std::optional<TRekFakt> TIndeksDanychReg::faktOKodzie(int idFakt) const
{
    const auto it = m_faktyWgKodu.constFind(idFakt);
    return it != m_faktyWgKodu.constEnd() ? std::optional<TRekFakt>(m_dane.fakty.at(*it)) : std::nullopt;
}

std::optional<TRekStala> TIndeksDanychReg::stalaONazwie(int kodSyst, const QString &nazwa) const
{
    const auto it = m_staleWgNazwy.constFind(qMakePair(kodSyst, nazwa));
    return it != m_staleWgNazwy.constEnd() ? std::optional<TRekStala>(m_dane.stale.at(*it)) : std::nullopt;
}

QList<TRekWartFaktWylicz> TIndeksDanychReg::wartosciFaktu(int idFakt) const
{
    QList<TRekWartFaktWylicz> w;
    for (const qsizetype i : m_wartosciWgFaktu.value(idFakt))
        w.append(m_dane.wartosci.at(i));
    return w;
}

} // namespace tremida
