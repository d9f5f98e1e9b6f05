#pragma once
// Findings of the rule checks and of the premise reduction, and the message frame that
// turns a finding into the exact text a caller shows. The checks never show anything: they
// return findings whose text was built by the caller's frame. The standard frame is that of
// the one-rule syntax check; other callers (verification, consistency check, inference)
// derive from TRamkaReg and change the prefix, the line break, the tail, or single texts.

#include <QString>
#include <QList>

namespace tremida {

// The line break inside every message: line feed followed by carriage return.
inline const QString NL = QStringLiteral("\n\r");

// Identifier of a finding:
//  M1..M14, W1..W3   rule fields (presence, descriptions, forms);
//  S1..S6            raw bracket counts of the premise field and the conclusion;
//  P1..P5, V1..V6    elementary premise (P3 is a warning);
//  C1..C13           constant used in a premise or in the conclusion; C14 computed
//                    constant whose argument fact does not exist;
//  K1..K9            conclusion;
//  R1..R18           structure of the premise field (reduction).
// Each group stands in order, so that a group is a range.
enum class IdUsterki : unsigned char {
    M1, M2, M3, M4, M5, M6, M7, M8, M9, M10, M11, M12, M13, M14,
    W1, W2, W3,
    S1, S2, S3, S4, S5, S6,
    P1, P2, P3, P4, P5,
    V1, V2, V3, V4, V5, V6,
    C1, C2, C3, C4, C5, C6, C7, C8, C9, C10, C11, C12, C13, C14,
    K1, K2, K3, K4, K5, K6, K7, K8, K9,
    R1, R2, R3, R4, R5, R6, R7, R8, R9, R10, R11, R12, R13, R14, R15, R16, R17, R18,
};

// The letter of an id's group ('M', 'W', 'S', 'P', 'V', 'C', 'K', 'R').
QChar literaUsterki(IdUsterki id);

// The number of an id within its group: 12 for C12.
int numerUsterki(IdUsterki id);

// The id as it is printed: "K1", "C12".
QString tekstUsterki(IdUsterki id);

// Whether `id` lies between `od` and `doIncl` of one group (both included).
constexpr bool wZakresie(IdUsterki id, IdUsterki od, IdUsterki doIncl) { return id >= od && id <= doIncl; }

// One finding of a rule check or of the reduction.
struct TUsterkaReg {
    IdUsterki id = IdUsterki::M1;
    QString tekst;             // whole message in the caller's frame
    bool ostrzezenie = false;  // W1..W3 and P3: the check goes on
    QString kodReg;            // rule code text, as typed or stored
    int nrPrzes = 0;           // premise ordinal (P, V and C in a premise), else 0
    int idStala = 0;           // IdStala of the constant (C messages)
    bool wKonkluzji = false;   // C messages: the constant stands in the conclusion
    int maxPoz = 0;            // configured maximum rule level (M12)
};

// Builds message texts. The defaults give the texts of the one-rule syntax check:
// prefix "Kod reguły: ", line break "\n\r", tail "\n\r" + "Kontrola składni reguły nie
// będzie kontynuowana." + "\n\r" + "Usuń błąd i wejdź powtórnie w kontrolę składni reguły.".
class TRamkaReg {
public:
    TRamkaReg();
    virtual ~TRamkaReg() = default;

    QString przedrostek;        // "Kod reguły: "
    QString nl;                 // line break between pieces
    QString ogon;               // appended to every error message, with its own leading break
    QString ostatniaLiniaP3;    // last line of the warning P3

    // Fills u.tekst with komunikat(u) and returns u.
    TUsterkaReg wypelnij(TUsterkaReg u) const;

    // Whole text of a finding.
    virtual QString komunikat(const TUsterkaReg &u) const;

    // Detail line of the ids that have one (S, P, V, K, R, C); empty for others.
    virtual QString szczegol(IdUsterki id) const;

    // Kind of the constant of a C finding: ". Stała rzeczywista prosta.", ". Stała całkowita
    // prosta.", ". Stała logiczna prosta." (C1..C6) or ". Stała obliczana." (C7..C14).
    virtual QString rodzajStalej(IdUsterki id) const;

    // Premise ordinal right-aligned in three characters: "  1", " 12", "123".
    static QString nrPrzesTekst(int nr);
};

// Whole text of the final message of a successful syntax check.
QString komunikatSkladniaPoprawna(bool zZastrzezeniem);

} // namespace tremida
