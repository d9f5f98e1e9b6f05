#include "Logika.h"

#include "app/ParKonfig.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace tremida {

QString tekstWartLog(TWartLog w)
{
    switch (w) {
    case TWartLog::True:
        return QStringLiteral("TRUE");
    case TWartLog::False:
        return QStringLiteral("FALSE");
    case TWartLog::Unknown:
        break;
    }
    return QStringLiteral("UNKNOWN");
}

std::optional<TWartLog> wartLogZTekstu(const QString &tekst)
{
    if (tekst == QLatin1String("TRUE"))
        return TWartLog::True;
    if (tekst == QLatin1String("FALSE"))
        return TWartLog::False;
    if (tekst == QLatin1String("UNKNOWN"))
        return TWartLog::Unknown;
    return std::nullopt;
}

double zaokraglijCF(double cf)
{
    if (!std::isfinite(cf))
        return cf;
    // The product with 100 of a decimal half such as 0.145 may land a hair below the half;
    // the small allowance rounds it up as the decimal number would be.
    const double setne = std::floor(std::fabs(cf) * 100.0 + 0.5 + 1e-7);
    const double w = setne / 100.0;
    return cf < 0 ? -w : w;
}

namespace {

// Writes the CF text of a value already rounded to hundredths at the end of `bufor`
// (before `koniec`) and returns where it starts; none for values too large to be written
// from their whole number of hundredths.
char *piszCF(double w, char *koniec)
{
    // The rounded value is a whole number of hundredths; written from that number directly
    // it reads as "%5.2f" would write it, at a fraction of the cost (a token is written for
    // every premise of every rule examined).
    const double setne = std::round(std::fabs(w) * 100.0);
    if (!(setne < 1e15))
        return nullptr;
    auto n = static_cast<long long>(setne);
    char *p = koniec;
    *--p = char('0' + n % 10);
    n /= 10;
    *--p = char('0' + n % 10);
    n /= 10;
    *--p = '.';
    do {
        *--p = char('0' + n % 10);
        n /= 10;
    } while (n > 0);
    if (w < 0 && setne > 0)
        *--p = '-';
    while (koniec - p < 5)
        *--p = ' ';
    return p;
}

const char *slowoWartLog(TWartLog w)
{
    switch (w) {
    case TWartLog::True:
        return "TRUE";
    case TWartLog::False:
        return "FALSE";
    case TWartLog::Unknown:
        break;
    }
    return "UNKNOWN";
}

} // namespace

QString tekstCF(double cf)
{
    const double w = zaokraglijCF(cf);
    if (!std::isfinite(w))
        return std::isnan(w) ? QStringLiteral("  NAN") : (w > 0 ? QStringLiteral("  INF") : QStringLiteral(" -INF"));
    char bufor[24];
    if (const char *p = piszCF(w, bufor + sizeof bufor))
        return QString::fromLatin1(p, qsizetype(bufor + sizeof bufor - p));
    // Very large values: two decimals with a point whatever the process locale says.
    char duzy[400];
    const auto koniec = std::to_chars(duzy, duzy + sizeof duzy, w, std::chars_format::fixed, 2).ptr;
    return QString::fromLatin1(duzy, qsizetype(koniec - duzy)).rightJustified(5, u' ');
}

QString tokenLog(TWartLog w, double cf)
{
    const double r = zaokraglijCF(cf);
    char cyfry[24];
    const char *p = std::isfinite(r) ? piszCF(r, cyfry + sizeof cyfry) : nullptr;
    if (!p)
        return u'[' + tekstWartLog(w) + QStringLiteral("][") + tekstCF(cf) + u']';
    // "[" word "][" CF "]" put together at once.
    char bufor[48];
    char *o = bufor;
    *o++ = '[';
    for (const char *s = slowoWartLog(w); *s; ++s)
        *o++ = *s;
    *o++ = ']';
    *o++ = '[';
    for (; p < cyfry + sizeof cyfry; ++p)
        *o++ = *p;
    *o++ = ']';
    return QString::fromLatin1(bufor, qsizetype(o - bufor));
}

QString tokenKontrolny() { return tokenLog(TWartLog::True, 1.0); }

TWartLog NieLog(TWartLog a)
{
    if (a == TWartLog::True)
        return TWartLog::False;
    if (a == TWartLog::False)
        return TWartLog::True;
    return TWartLog::Unknown;
}

TWartLog IloczynLog(TWartLog a, TWartLog b)
{
    if (a == TWartLog::Unknown || b == TWartLog::Unknown)
        return TWartLog::Unknown;
    return (a == TWartLog::True && b == TWartLog::True) ? TWartLog::True : TWartLog::False;
}

TWartLog SumaLog(TWartLog a, TWartLog b)
{
    if (a == TWartLog::True || b == TWartLog::True)
        return TWartLog::True;
    if (a == TWartLog::False || b == TWartLog::False)
        return TWartLog::False;
    return TWartLog::Unknown;
}

double TNormaCF(const QString &rodzina, double a, double b)
{
    if (rodzina == konfig::Algebraiczna)
        return a * b;
    if (rodzina == konfig::Lukasiewicza)
        return std::max(0.0, a + b - 1.0);
    return std::min(a, b);
}

double SNormaCF(const QString &rodzina, double a, double b)
{
    if (rodzina == konfig::Algebraiczna)
        return a + b - a * b;
    if (rodzina == konfig::Lukasiewicza)
        return std::min(1.0, a + b);
    return std::max(a, b);
}

} // namespace tremida
