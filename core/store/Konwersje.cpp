#include "Konwersje.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace tremida {

namespace {

bool cyfra(QChar c) { return c >= u'0' && c <= u'9'; }

// Moves `i` past the digits of `t` that stand there and says how many it passed.
qsizetype pominCyfry(const QString &t, qsizetype &i)
{
    const qsizetype start = i;
    while (i < t.size() && cyfra(t[i]))
        ++i;
    return i - start;
}

// The decimal order of magnitude of a number text that is already known to be well formed
// ("[-]digits[.digits][e[sign]digits]"): positive for a number of 1 or more, zero or negative
// below 1. Used only to tell an overflow from an underflow.
long long rzadDziesietny(const QByteArray &a)
{
    qsizetype i = a.startsWith('-') ? 1 : 0;
    long long rzad = 0;
    bool znaczaca = false;
    for (; i < a.size() && a[i] >= '0' && a[i] <= '9'; ++i) {
        znaczaca = znaczaca || a[i] != '0';
        if (znaczaca)
            ++rzad;
    }
    if (i < a.size() && a[i] == '.') {
        for (++i; !znaczaca && i < a.size() && a[i] >= '0' && a[i] <= '9'; ++i) {
            if (a[i] != '0')
                znaczaca = true;
            else
                --rzad;
        }
        while (i < a.size() && a[i] >= '0' && a[i] <= '9')
            ++i;
    }
    if (i < a.size() && (a[i] == 'e' || a[i] == 'E')) {
        ++i;
        const bool ujemny = i < a.size() && a[i] == '-';
        if (i < a.size() && (a[i] == '+' || a[i] == '-'))
            ++i;
        long long wykl = 0;
        for (; i < a.size(); ++i)
            wykl = std::min<long long>(wykl * 10 + (a[i] - '0'), 1'000'000'000LL);
        rzad += ujemny ? -wykl : wykl;
    }
    return rzad;
}

// Reads "[blanks][sign](digits[.digits]|.digits)[(e|E)[sign]digits]" and nothing more.
std::optional<double> czytajLiczbeZKropka(const QString &t)
{
    qsizetype i = 0;
    const qsizetype n = t.size();
    while (i < n && t[i] == u' ')
        ++i;
    const qsizetype start = i;
    if (i < n && (t[i] == u'+' || t[i] == u'-'))
        ++i;
    const qsizetype cyfryCalk = pominCyfry(t, i);
    qsizetype cyfryUlam = 0;
    if (i < n && t[i] == u'.') {
        ++i;
        cyfryUlam = pominCyfry(t, i);
    }
    if (cyfryCalk + cyfryUlam == 0)
        return std::nullopt;
    if (i < n && (t[i] == u'e' || t[i] == u'E')) {
        ++i;
        if (i < n && (t[i] == u'+' || t[i] == u'-'))
            ++i;
        if (pominCyfry(t, i) == 0)
            return std::nullopt;
    }
    if (i != n)
        return std::nullopt;
    // The digits are read by std::from_chars, which knows no locale: a Polish desktop's
    // decimal comma must not change what a point means here.
    qsizetype poczatek = start;
    if (t[poczatek] == u'+')
        ++poczatek;
    const QByteArray ascii = t.mid(poczatek).toLatin1();
    const char *const koniec = ascii.constData() + ascii.size();
    double w = 0.0;
    const auto [gdzie, blad] = std::from_chars(ascii.constData(), koniec, w, std::chars_format::general);
    if (gdzie != koniec)
        return std::nullopt;
    if (blad == std::errc::result_out_of_range) {
        // Too large is invalid; too small to be told from zero is zero, as it always was.
        if (rzadDziesietny(ascii) > 0)
            return std::nullopt;
        return ascii.startsWith('-') ? -0.0 : 0.0;
    }
    if (blad != std::errc() || !std::isfinite(w))
        return std::nullopt;
    return w;
}

} // namespace

std::optional<double> tekstNaReal(const QString &tekst)
{
    const qsizetype przecinek = tekst.indexOf(u',');
    QString t;
    if (przecinek < 0)
        t = u' ' + tekst;
    else
        t = u' ' + tekst.left(przecinek) + u'.' + tekst.mid(przecinek + 1);
    return czytajLiczbeZKropka(t);
}

std::optional<int> tekstNaInt(const QString &tekst)
{
    qsizetype i = 0;
    const qsizetype n = tekst.size();
    while (i < n && tekst[i] == u' ')
        ++i;
    bool ujemna = false;
    if (i < n && (tekst[i] == u'+' || tekst[i] == u'-')) {
        ujemna = tekst[i] == u'-';
        ++i;
    }
    if (i == n)
        return std::nullopt;
    long long w = 0;
    for (; i < n; ++i) {
        if (!cyfra(tekst[i]))
            return std::nullopt;
        w = w * 10 + (tekst[i].unicode() - u'0');
        if (w > 2147483648LL)
            return std::nullopt;
    }
    if (ujemna)
        w = -w;
    if (w < std::numeric_limits<int>::min() || w > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(w);
}

QString realNaTekst(double wartosc)
{
    if (!std::isfinite(wartosc))
        return std::isnan(wartosc) ? QStringLiteral("NAN")
                                   : (wartosc > 0 ? QStringLiteral("INF") : QStringLiteral("-INF"));
    if (wartosc == 0.0)
        return QStringLiteral("0");
    // 15 significant digits in scientific form give the digits and the decimal exponent.
    char bufor[64];
    const auto wynikZapisu = std::to_chars(bufor, bufor + sizeof bufor, wartosc, std::chars_format::scientific, 14);
    QString s = QString::fromLatin1(bufor, qsizetype(wynikZapisu.ptr - bufor));
    const qsizetype e = s.indexOf(u'e');
    int wykladnik = s.mid(e + 1).toInt();
    QString mantysa = s.left(e);
    const bool ujemna = mantysa.startsWith(u'-');
    if (ujemna)
        mantysa.remove(0, 1);
    QString cyfry = mantysa.left(1) + mantysa.mid(2); // without the point
    while (cyfry.size() > 1 && cyfry.endsWith(u'0'))
        cyfry.chop(1);
    QString wynik;
    const double modul = std::fabs(wartosc);
    if (modul >= 0.00001 && wykladnik < 15) {
        if (wykladnik < 0) {
            wynik = QStringLiteral("0,") + QString(-wykladnik - 1, u'0') + cyfry;
        } else if (cyfry.size() <= wykladnik + 1) {
            wynik = cyfry + QString(wykladnik + 1 - cyfry.size(), u'0');
        } else {
            wynik = cyfry.left(wykladnik + 1) + u',' + cyfry.mid(wykladnik + 1);
        }
    } else {
        wynik = cyfry.left(1);
        if (cyfry.size() > 1)
            wynik += u',' + cyfry.mid(1);
        wynik += u'E' + QString::number(wykladnik);
    }
    return ujemna ? u'-' + wynik : wynik;
}

QString intNaTekst(int wartosc) { return QString::number(wartosc); }

QString tekstDoWyswietlenia(const QString &komunikat)
{
    QString t = komunikat;
    t.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
    return t;
}

QByteArray tekstJson(const QString &tekst)
{
    static constexpr char Cyfry[] = "0123456789abcdef";
    // At most six bytes per UTF-16 unit (\uxxxx), and the two quotes.
    QByteArray a(tekst.size() * 6 + 2, Qt::Uninitialized);
    char *w = a.data();
    auto jakoU = [&](char16_t u) {
        *w++ = '\\';
        *w++ = 'u';
        *w++ = Cyfry[u >> 12];
        *w++ = Cyfry[(u >> 8) & 0xf];
        *w++ = Cyfry[(u >> 4) & 0xf];
        *w++ = Cyfry[u & 0xf];
    };
    auto ucieczka = [&](char c) {
        *w++ = '\\';
        *w++ = c;
    };
    *w++ = '"';
    const char16_t *p = reinterpret_cast<const char16_t *>(tekst.constData());
    const char16_t *const koniec = p + tekst.size();
    while (p != koniec) {
        const char16_t u = *p++;
        if (u < 0x80) {
            switch (u) {
            case u'"': ucieczka('"'); break;
            case u'\\': ucieczka('\\'); break;
            case u'\b': ucieczka('b'); break;
            case u'\f': ucieczka('f'); break;
            case u'\n': ucieczka('n'); break;
            case u'\r': ucieczka('r'); break;
            case u'\t': ucieczka('t'); break;
            default:
                if (u < 0x20)
                    jakoU(u);
                else
                    *w++ = char(u);
            }
        } else if (u < 0x800) {
            *w++ = char(0xc0 | (u >> 6));
            *w++ = char(0x80 | (u & 0x3f));
        } else if (!QChar::isSurrogate(u)) {
            *w++ = char(0xe0 | (u >> 12));
            *w++ = char(0x80 | ((u >> 6) & 0x3f));
            *w++ = char(0x80 | (u & 0x3f));
        } else if (QChar::isHighSurrogate(u) && p != koniec && QChar::isLowSurrogate(*p)) {
            const char32_t c = QChar::surrogateToUcs4(u, *p++);
            *w++ = char(0xf0 | (c >> 18));
            *w++ = char(0x80 | ((c >> 12) & 0x3f));
            *w++ = char(0x80 | ((c >> 6) & 0x3f));
            *w++ = char(0x80 | (c & 0x3f));
        } else {
            jakoU(u);
        }
    }
    *w++ = '"';
    a.truncate(w - a.constData());
    return a;
}

} // namespace tremida
