#include "UkladStrony.h"

#include <QRegularExpression>

namespace tremida {

UkladStrony::UkladStrony(Plotno &plotno, const MarginesyWydruku &m, bool zerujPrzedNaglowkiem)
    : m_plotno(plotno), m_m(m), m_zerujPrzedNaglowkiem(zerujPrzedNaglowkiem)
{
}

int UkladStrony::liniiNaStronie() const
{
    return (m_plotno.wysokoscStrony() - m_m.gora - m_m.dol) / wysokoscLinii();
}

int UkladStrony::szerokoscPelna() const { return m_plotno.szerokoscStrony() - m_m.lewy - m_m.prawy; }

void UkladStrony::rozpocznij()
{
    m_y = m_m.gora;
    m_strona = 1;
    m_licznik = 0;
    if (m_naglowek)
        m_naglowek();
}

void UkladStrony::nastepnaLinia()
{
    ++m_licznik;
    if (m_licznik > liniiNaStronie()) {
        m_plotno.nowaStrona();
        m_y = m_m.gora;
        ++m_strona;
        if (m_zerujPrzedNaglowkiem)
            m_licznik = 0;
        if (m_naglowek)
            m_naglowek();
        if (m_zerujPrzedNaglowkiem)
            nastepnaLinia();
    } else {
        m_y += wysokoscLinii();
    }
}

void UkladStrony::linia()
{
    // "_" after "_" from the left margin until the pen reaches the right margin, drawn as one
    // text: a page of a long printout would otherwise cost hundreds of drawings per row.
    const int dlugosc = m_plotno.szerokoscStrony() - m_m.prawy - m_m.lewy;
    const int krok = std::max(1, m_plotno.szerokoscTekstu(QStringLiteral("_")));
    // The width of one "_" is rounded; the row is measured as a whole until it reaches the margin.
    QString podkreslenie(std::max(0, dlugosc / krok), u'_');
    while (dlugosc > 0 && m_plotno.szerokoscTekstu(podkreslenie) < dlugosc)
        podkreslenie += u'_';
    if (!podkreslenie.isEmpty())
        m_plotno.piszTekst(m_m.lewy, m_y, podkreslenie);
    m_ostatniaLinia = m_y;
}

void UkladStrony::separatorRekordu()
{
    if (m_y > m_ostatniaLinia + wysokoscLinii())
        linia();
    else
        m_y -= wysokoscLinii();
}

void UkladStrony::pisz(int x, const QString &tekst) { m_plotno.piszTekst(x, m_y, tekst); }

QStringList UkladStrony::podzial(int szerokosc, const QString &tekst) const
{
    QStringList kawalki;
    QString reszta = tekst;
    while (m_plotno.szerokoscTekstu(reszta) > szerokosc) {
        // The longest prefix narrower than the width, remembering the last blank in it.
        QString prefiks;
        qsizetype ostatniaSpacja = -1;
        qsizetype i = 0;
        for (; i < reszta.size(); ++i) {
            if (m_plotno.szerokoscTekstu(prefiks + reszta[i]) >= szerokosc)
                break;
            if (reszta[i] == u' ')
                ostatniaSpacja = i;
            prefiks += reszta[i];
        }
        if (i < reszta.size() && reszta[i] == u' ')
            ostatniaSpacja = i; // the blank that reached the width ends the piece
        if (ostatniaSpacja >= 0) {
            kawalki << reszta.left(ostatniaSpacja);
            reszta = reszta.mid(ostatniaSpacja + 1);
        } else {
            // One word wider than the column: cut after the character that reached the width.
            const qsizetype ciecie = std::min(i + 1, reszta.size());
            kawalki << reszta.left(ciecie);
            reszta = reszta.mid(ciecie);
        }
    }
    kawalki << reszta;
    return kawalki;
}

void UkladStrony::zawijaj(int x, int szerokosc, const QString &tekst)
{
    const QStringList linie = linieMemo(tekst);
    for (qsizetype l = 0; l < linie.size(); ++l) {
        if (l > 0)
            nastepnaLinia();
        const QStringList kawalki = podzial(szerokosc, linie[l]);
        for (qsizetype k = 0; k < kawalki.size(); ++k) {
            if (k > 0)
                nastepnaLinia();
            pisz(x, kawalki[k]);
        }
    }
}

void UkladStrony::piszWysrodkowany(const QString &tekst)
{
    const int szer = m_plotno.szerokoscTekstu(tekst);
    pisz(m_m.lewy + (szerokoscPelna() - szer) / 2, tekst);
}

QString dataWydruku(const QDate &dzien)
{
    return QStringLiteral("%1.%2.%3").arg(dzien.day(), 2).arg(dzien.month(), 2).arg(dzien.year(), 4);
}

QStringList linieMemo(const QString &tekst)
{
    QString t = tekst;
    if (t.startsWith(QStringLiteral("\r\n")))
        t.remove(0, 2);
    else if (t.startsWith(u'\n') || t.startsWith(u'\r'))
        t.remove(0, 1);
    static const QRegularExpression przelamanie(QStringLiteral("\r\n|\n|\r"));
    return t.split(przelamanie);
}

} // namespace tremida
