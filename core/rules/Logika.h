#pragma once
// Three-valued logic of premise fields: the value TWartLog, its text forms, the logical
// token "[" value "][" CF "]", the truth tables of NOT, AND and OR, and the CF norms that
// combine the certainty factors of two operands.

#include <QString>
#include <optional>

namespace tremida {

enum class TWartLog { True, False, Unknown };

// "TRUE", "FALSE" or "UNKNOWN": the form used in tokens and in evaluation results.
QString tekstWartLog(TWartLog w);

// The value whose token form is exactly `tekst` ("TRUE", "FALSE", "UNKNOWN", upper case
// only); no value for any other text.
std::optional<TWartLog> wartLogZTekstu(const QString &tekst);

// A CF written as in a token: rounded to hundredths (an exact half upwards, as a person
// reading the decimal number would round it), then field width 5 with 2 decimals, so 1 is
// " 1.00", 0.5 " 0.50", 0.2025 " 0.20", 0.125 " 0.13". Wider numbers use more characters.
QString tekstCF(double cf);

// The CF as it comes back from a token: `cf` rounded to hundredths the way tekstCF writes it.
double zaokraglijCF(double cf);

// The logical token of a value and a CF: "[TRUE][ 1.00]", "[UNKNOWN][ 0.00]".
QString tokenLog(TWartLog w, double cf);

// Token of an accepted premise in the rule checks: "[TRUE][ 1.00]".
QString tokenKontrolny();

// Fixed token of a premise whose fact has no value during inference: "[UNKNOWN][0.00]".
inline const QString TokenBrakWartosci = QStringLiteral("[UNKNOWN][0.00]");

// Truth tables. NOT swaps TRUE and FALSE and keeps UNKNOWN. AND: UNKNOWN absorbs every
// operand (FALSE AND UNKNOWN is UNKNOWN); otherwise TRUE only for TRUE AND TRUE. OR: TRUE
// wins; an UNKNOWN operand is ignored and the other decides (FALSE OR UNKNOWN is FALSE).
TWartLog NieLog(TWartLog a);
TWartLog IloczynLog(TWartLog a, TWartLog b);
TWartLog SumaLog(TWartLog a, TWartLog b);

// CF of an AND of operands with CFs a and b, by the family named in the configuration
// (`TParKonfig::TNormaIloczyn`): "rozmyta" min(a, b), "algebraiczna" a*b, "Lukasiewicza"
// max(0, a+b-1). Not rounded. A family name that is none of the three is read as "rozmyta".
double TNormaCF(const QString &rodzina, double a, double b);

// CF of an OR (`TParKonfig::SNormaSuma`) and of the aggregation of one conclusion reached by
// several rules (`TParKonfig::SNormaKonkl`): "rozmyta" max(a, b), "algebraiczna" a+b-a*b,
// "Lukasiewicza" min(1, a+b). Not rounded. Unknown family names are read as "rozmyta".
double SNormaCF(const QString &rodzina, double a, double b);

} // namespace tremida
