#pragma once
// A printout canvas for the tests that records every text drawn with its page, position and
// font style; every character is 10 pixels wide.

#include "report/Plotno.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace tremida::test {

struct Napis {
    int strona, x, y;
    QString tekst;
    bool pogrubiony, podkreslony;
};

class PlotnoNagrywajace : public Plotno {
public:
    PlotnoNagrywajace(int szer, int wys) : m_szer(szer), m_wys(wys) {}
    int szerokoscStrony() const override { return m_szer; }
    int wysokoscStrony() const override { return m_wys; }
    void ustawCzcionke(int, bool pogrubiona, bool podkreslona) override
    {
        m_pogr = pogrubiona;
        m_podkr = podkreslona;
    }
    int szerokoscTekstu(const QString &t) const override { return 10 * int(t.size()); }
    void piszTekst(int x, int y, const QString &t) override { napisy.push_back({m_strona, x, y, t, m_pogr, m_podkr}); }
    void nowaStrona() override { ++m_strona; }

    // Texts in drawing order, the underline rows left out.
    QStringList teksty() const
    {
        QStringList w;
        for (const Napis &n : napisy)
            if (!n.tekst.startsWith(u'_'))
                w << n.tekst;
        return w;
    }
    const Napis *znajdz(const QString &t, int ktory = 0) const
    {
        for (const Napis &n : napisy)
            if (n.tekst == t && ktory-- == 0)
                return &n;
        return nullptr;
    }
    int ile(const QString &t) const
    {
        int k = 0;
        for (const Napis &n : napisy)
            k += n.tekst == t;
        return k;
    }
    std::vector<Napis> napisy;

private:
    int m_szer, m_wys;
    int m_strona = 1;
    bool m_pogr = false, m_podkr = false;
};

} // namespace tremida::test
