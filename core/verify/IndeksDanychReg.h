#pragma once
// The tables a rule check reads (a TDaneReg snapshot) with their lookups made by hash
// rather than by walking the rows: a knowledge base of many rules checks every premise of
// every rule, and each walk would cost the size of the base.

#include "rules/DaneReg.h"

#include <QHash>
#include <QPair>

namespace tremida {

class TIndeksDanychReg : public IDaneReg {
public:
    // Indexes `dane`, which must outlive the index and stay unchanged while it is used.
    explicit TIndeksDanychReg(const TDaneReg &dane);

    // The same answers as the snapshot's own lookups (the first row in table order).
    std::optional<TRekFakt> faktONazwie(int kodSyst, const QString &nazwa) const override;
    std::optional<TRekFakt> faktOKodzie(int idFakt) const override;
    std::optional<TRekStala> stalaONazwie(int kodSyst, const QString &nazwa) const override;
    QList<TRekWartFaktWylicz> wartosciFaktu(int idFakt) const override;

private:
    const TDaneReg &m_dane;
    QHash<QPair<int, QString>, qsizetype> m_faktyWgNazwy;
    QHash<int, qsizetype> m_faktyWgKodu;
    QHash<QPair<int, QString>, qsizetype> m_staleWgNazwy;
    QHash<int, QList<qsizetype>> m_wartosciWgFaktu;
};

} // namespace tremida
