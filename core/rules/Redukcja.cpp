#include "Redukcja.h"

#include "app/ParKonfig.h"
#include "store/Konwersje.h"

namespace tremida {

namespace {

struct Operand {
    TWartLog wart = TWartLog::Unknown;
    double cf = 0.0;
};

// Value and CF of an operand text: the value between its first "[" and its first "]", the
// CF after its first "][" up to the next "]". Returns the id of the failing part, or no value.
std::optional<IdUsterki> czytajOperand(const QString &g, qsizetype od, qsizetype doIncl, IdUsterki idWart,
                                       IdUsterki idCF, Operand *o)
{
    const QStringView t = QStringView(g).mid(od, doIncl - od + 1);
    const qsizetype otw = t.indexOf(u'[');
    const qsizetype zam = t.indexOf(u']');
    std::optional<TWartLog> w;
    if (otw >= 0 && zam > otw)
        w = wartLogZTekstu(t.mid(otw + 1, zam - otw - 1).toString());
    if (!w)
        return idWart;
    const qsizetype sklej = t.indexOf(u"][");
    std::optional<double> cf;
    if (sklej >= 0) {
        const qsizetype koniec = t.indexOf(u']', sklej + 2);
        if (koniec >= 0)
            cf = tekstNaReal(t.mid(sklej + 2, koniec - sklej - 2).toString());
    }
    if (!cf)
        return idCF;
    o->wart = *w;
    o->cf = *cf;
    return std::nullopt;
}

class Grupa {
public:
    Grupa(QString &g, const TParKonfig &k) : m_g(g), m_k(k) { m_nawKw = g.count(u'['); }

    // Reduces the group in place until it is a single token (exactly two "["). Returns the
    // id of the structural finding that ended it, or no value.
    std::optional<IdUsterki> redukuj()
    {
        qsizetype odNot = 0, odOp = 0;
        for (;;) {
            // No round creates a "NOT", so once none is left the search is over.
            const qsizetype pNot = m_bezNot ? -1 : m_g.indexOf(QLatin1String("NOT"), odNot);
            if (pNot < 0)
                m_bezNot = true;
            if (pNot >= 0) {
                odNot = pNot;
                const qsizetype start = pNot + 4;
                const qsizetype zam = start <= m_g.size() ? m_g.indexOf(u']', start) : -1;
                if (zam < 0)
                    return IdUsterki::R2;
                const auto w = wartLogZTekstu(m_g.mid(start, zam - start));
                if (!w)
                    return IdUsterki::R2;
                zastap(pNot, zam, u'[' + tekstWartLog(NieLog(*w)) + u']');
                continue;
            }
            if (m_nawKw == 0 || m_nawKw % 2 == 1)
                return IdUsterki::R3;
            if (m_nawKw == 2)
                return std::nullopt;
            qsizetype p = m_g.indexOf(QLatin1String("AND"), odOp);
            bool iloczyn = true;
            if (p < 0) {
                if (!m_wszystkieAndZredukowane) {
                    m_wszystkieAndZredukowane = true;
                    odOp = 0;
                }
                p = m_g.indexOf(QLatin1String("OR"), odOp);
                iloczyn = false;
            }
            if (p < 0)
                return IdUsterki::R4;
            if (const auto blad = redukujOperator(p, iloczyn, &odOp))
                return blad;
        }
    }

private:
    void zastap(qsizetype od, qsizetype doIncl, const QString &nowy)
    {
        m_nawKw -= QStringView(m_g).mid(od, doIncl - od + 1).count(u'[');
        m_nawKw += nowy.count(u'[');
        m_g.replace(od, doIncl - od + 1, nowy);
    }

    std::optional<IdUsterki> redukujOperator(qsizetype p, bool iloczyn, qsizetype *odOp)
    {
        // Left operand: back from the operator to the second "[".
        qsizetype lewy = -1;
        int ile = 0;
        for (qsizetype i = p - 1; i >= 0; --i) {
            if (m_g[i] == u'[' && ++ile == 2) {
                lewy = i;
                break;
            }
        }
        if (lewy < 0)
            return iloczyn ? IdUsterki::R5 : IdUsterki::R11;
        // Right operand: on from the operator word to the second "]".
        qsizetype prawy = -1;
        ile = 0;
        for (qsizetype i = p + (iloczyn ? 3 : 2); i < m_g.size(); ++i) {
            if (m_g[i] == u']' && ++ile == 2) {
                prawy = i;
                break;
            }
        }
        if (prawy < 0)
            return iloczyn ? IdUsterki::R8 : IdUsterki::R14;
        Operand a, b;
        using enum IdUsterki;
        auto blad = czytajOperand(m_g, lewy, p - 1, iloczyn ? R6 : R12, iloczyn ? R7 : R13, &a);
        if (!blad)
            blad = czytajOperand(m_g, p + (iloczyn ? 3 : 2), prawy, iloczyn ? R9 : R15, iloczyn ? R10 : R16, &b);
        if (blad)
            return blad;
        const TWartLog w = iloczyn ? IloczynLog(a.wart, b.wart) : SumaLog(a.wart, b.wart);
        const double cf = iloczyn ? TNormaCF(m_k.TNormaIloczyn, a.cf, b.cf) : SNormaCF(m_k.SNormaSuma, a.cf, b.cf);
        zastap(lewy, prawy, tokenLog(w, cf));
        // Nothing before the new token holds the operator word any more.
        *odOp = lewy;
        return std::nullopt;
    }

    QString &m_g;
    const TParKonfig &m_k;
    qsizetype m_nawKw = 0;
    bool m_wszystkieAndZredukowane = false;
    bool m_bezNot = false;
};

} // namespace

TWynikRedukcji RedukujPolePrzesReg(const QString &tekstTokenow, const QString &kodReg, const TRamkaReg &ramka,
                                   const TParKonfig &konfig, const TOpcjeRedukcji &opcje)
{
    TWynikRedukcji wynik;
    auto usterka = [&](IdUsterki id) {
        TUsterkaReg u;
        u.id = id;
        u.kodReg = kodReg;
        wynik.usterki.append(ramka.wypelnij(u));
    };

    QString t;
    t.reserve(tekstTokenow.size() + 2);
    t += u'(';
    for (const QChar c : tekstTokenow)
        if (c != u' ' && c != u'\n' && c != u'\r')
            t += c;
    t += u')';

    if (t.count(u'(') != t.count(u')')) {
        usterka(IdUsterki::R1);
        if (!opcje.poR1Dalej) {
            wynik.stan = TWynikRedukcji::Stan::Usterka;
            return wynik;
        }
    }

    // Groups close in the order of their ")": the text is read from the left into `wy`, and
    // at every ")" the group after the latest "(" still open is reduced and put back in its
    // place without its parentheses, exactly as if the whole text were searched again.
    QString wy;
    wy.reserve(t.size());
    QList<qsizetype> otwarte;
    for (const QChar c : std::as_const(t)) {
        if (c == u'(') {
            otwarte.append(wy.size());
            wy += c;
        } else if (c == u')') {
            if (otwarte.isEmpty())
                return wynik; // a group closes before any opens: no value
            const qsizetype otw = otwarte.takeLast();
            QString g = wy.mid(otw + 1);
            if (const auto blad = Grupa(g, konfig).redukuj()) {
                usterka(*blad);
                wynik.stan = TWynikRedukcji::Stan::Usterka;
                return wynik;
            }
            wy.truncate(otw);
            wy += g;
        } else {
            wy += c;
        }
    }
    if (!otwarte.isEmpty())
        return wynik; // a "(" that no ")" follows (after R1): no value

    if (wy.count(u'[') != 2)
        return wynik;
    Operand o;
    if (const auto blad = czytajOperand(wy, 0, wy.size() - 1, IdUsterki::R17, IdUsterki::R18, &o)) {
        usterka(*blad);
        wynik.stan = TWynikRedukcji::Stan::Usterka;
        return wynik;
    }
    wynik.stan = TWynikRedukcji::Stan::Token;
    wynik.wartosc = wy.startsWith(QLatin1String("NOT")) ? NieLog(o.wart) : o.wart;
    wynik.cf = o.cf;
    return wynik;
}

} // namespace tremida
