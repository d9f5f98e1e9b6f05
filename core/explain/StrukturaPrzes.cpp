#include "StrukturaPrzes.h"

namespace tremida {

TStrukturaPrzes::TStrukturaPrzes(const TSkanPola &skan) : m_skan(skan)
{
    // The text between the premises has no blanks; the reduction finds the operator words
    // anywhere in it, so they are read wherever they stand.
    for (qsizetype n = 0; n < m_skan.miedzy.size(); ++n) {
        const QString &t = m_skan.miedzy[n];
        for (qsizetype i = 0; i < t.size();) {
            auto slowo = [&](const char *s, Symbol typ) {
                const QLatin1String l(s);
                if (!QStringView(t).mid(i).startsWith(l))
                    return false;
                m_symbole.append({typ, QString(l), -1});
                i += l.size();
                return true;
            };
            if (slowo("NOT", Symbol::Not) || slowo("AND", Symbol::And) || slowo("OR", Symbol::Or))
                continue;
            const QChar c = t[i++];
            m_symbole.append({c == u'(' ? Symbol::Lewy : c == u')' ? Symbol::Prawy : Symbol::Inny, QString(c), -1});
        }
        if (n < m_skan.przes.size())
            m_symbole.append({Symbol::Przeslanka, QString(), int(n)});
    }
    int i = 0;
    auto w = czytajOr(i);
    if (w && nastepny(i) == m_symbole.size())
        m_korzen = std::move(w);
}

int TStrukturaPrzes::nastepny(int i) const
{
    while (i < m_symbole.size() && m_symbole[i].typ == Symbol::Inny)
        ++i;
    return i;
}

std::optional<TWezelStruktury> TStrukturaPrzes::czytajLancuch(int &i, Symbol op) const
{
    auto operand = [&](int &j) { return op == Symbol::Or ? czytajLancuch(j, Symbol::And) : czytajNot(j); };
    auto pierwszy = operand(i);
    if (!pierwszy)
        return std::nullopt;
    TWezelStruktury w;
    w.rodzaj = op == Symbol::Or ? TWezelStruktury::Rodzaj::Or : TWezelStruktury::Rodzaj::And;
    w.od = pierwszy->od;
    w.dzieci.append(*pierwszy);
    for (int j = nastepny(i); j < m_symbole.size() && m_symbole[j].typ == op; j = nastepny(i)) {
        i = j + 1;
        auto dalej = operand(i);
        if (!dalej)
            return std::nullopt;
        w.dzieci.append(*dalej);
    }
    if (w.dzieci.size() == 1)
        return pierwszy;
    w.doSymbolu = w.dzieci.last().doSymbolu;
    return w;
}

std::optional<TWezelStruktury> TStrukturaPrzes::czytajNot(int &i) const
{
    const int j = nastepny(i);
    if (j >= m_symbole.size() || m_symbole[j].typ != Symbol::Not)
        return czytajProsty(i);
    // NOT negates the premise or the group right after it; a second NOT is an error.
    i = j + 1;
    auto argument = czytajProsty(i);
    if (!argument)
        return std::nullopt;
    TWezelStruktury w;
    w.rodzaj = TWezelStruktury::Rodzaj::Not;
    w.od = j;
    w.doSymbolu = argument->doSymbolu;
    w.dzieci.append(*argument);
    return w;
}

std::optional<TWezelStruktury> TStrukturaPrzes::czytajProsty(int &i) const
{
    const int j = nastepny(i);
    if (j >= m_symbole.size())
        return std::nullopt;
    if (m_symbole[j].typ == Symbol::Przeslanka) {
        i = j + 1;
        TWezelStruktury w;
        w.przeslanka = m_symbole[j].przeslanka;
        w.od = j;
        w.doSymbolu = j + 1;
        return w;
    }
    if (m_symbole[j].typ != Symbol::Lewy)
        return std::nullopt;
    i = j + 1;
    auto wnetrze = czytajOr(i);
    if (!wnetrze)
        return std::nullopt;
    const int k = nastepny(i);
    if (k >= m_symbole.size() || m_symbole[k].typ != Symbol::Prawy)
        return std::nullopt;
    i = k + 1;
    // The group is its content; its stretch takes the parentheses in.
    wnetrze->od = j;
    wnetrze->doSymbolu = k + 1;
    return wnetrze;
}

QString TStrukturaPrzes::tekstTokenow(const TWezelStruktury &w, const QStringList &tokeny) const
{
    QString t;
    for (int i = w.od; i < w.doSymbolu && i < m_symbole.size(); ++i) {
        const TSymbol &s = m_symbole[i];
        t += s.typ == Symbol::Przeslanka ? tokeny.value(s.przeslanka) : s.tekst;
    }
    return t;
}

QString TStrukturaPrzes::nazwa(TWezelStruktury::Rodzaj r)
{
    switch (r) {
    case TWezelStruktury::Rodzaj::Not: return QStringLiteral("NOT");
    case TWezelStruktury::Rodzaj::And: return QStringLiteral("AND");
    case TWezelStruktury::Rodzaj::Or: return QStringLiteral("OR");
    case TWezelStruktury::Rodzaj::Przeslanka: break;
    }
    return {};
}

QString TStrukturaPrzes::tekstPrzeslanki(const TPrzesElem &p)
{
    return u'[' + p.nazFakt + u']' + p.oper + u'[' + p.wart + u']';
}

} // namespace tremida
