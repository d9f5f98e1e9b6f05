#pragma once
// The checks of the facts, constants and rules of one knowledge base, shared by the
// verification before inference (the first error ends it) and the consistency check of the
// whole database (every finding is listed and the checks go on). Missing values of facts
// are reset to "???" with CF 0 and written at once; in the consistency check every reset is
// also a finding.

#include "RamkiWeryf.h"
#include "app/ParKonfig.h"
#include "store/Rekordy.h"

#include <QList>
#include <QSet>
#include <QString>
#include <functional>

namespace tremida {

class Baza;
class IDaneReg;

enum class TrybKontrBazy {
    Weryfikacja, // before inference: messages of several lines, the first error ends the run
    Spojnosc,    // consistency check: one-line findings, every check is made
};

// One finding about a knowledge base, in the text of the check's mode.
struct TUsterkaBazy {
    QString tekst;
    bool ostrzezenie = false; // descriptions of a rule, "=" with a real fact: the work goes on
};

class TKontrBazy {
public:
    using Zglos = std::function<void(const TUsterkaBazy &)>;

    // `kodSyst` is the knowledge base whose records are checked; findings go to `zglos`.
    TKontrBazy(Baza &baza, const TParKonfig &konfig, int kodSyst, TrybKontrBazy tryb, Zglos zglos);

    // The full check of one fact by its type: value records of an enumerated fact (their
    // number against LiczWart and the range 1 to 20, the CFs and marks of an input fact,
    // duplicates, more than one "tak" of a single-valued input fact), the value and CF of an
    // input real, integer or logical fact; resets of missing values. `poWartosci` is called
    // after each value record examined. False when an error ended the verification.
    bool kontrFakt(const TRekFakt &f, const std::function<void()> &poWartosci = {});

    // The short verification of an input fact: resets of its missing values only. False
    // when an enumerated fact has no value record.
    bool przygotujFaktWprowadzany(const TRekFakt &f);

    // The check of one constant: a simple one by its type and value, a computed one by its
    // argument fact and its parameters A and B.
    bool kontrStala(const TRekStala &s);

    // The checks of one rule: direction, the three description warnings, level, CF, then the
    // raw bracket counts, every elementary premise, the reduction of the premise field and
    // the conclusion against the tables `dane` of the rule's knowledge base.
    bool kontrRegula(const TRekReg &r, const IDaneReg &dane);

    // A warning was given since the object was made or since wyczyscZastrzezenia().
    bool zastrzezenia() const { return m_zastrzezenia; }
    void wyczyscZastrzezenia() { m_zastrzezenia = false; }

private:
    // Reports a finding; returns whether the work goes on.
    bool zglos(const QString &tekst, bool ostrzezenie = false);
    bool zglosRegula(const TUsterkaReg &u);
    bool kontrWyliczeniowy(const TRekFakt &f, const std::function<void()> &poWartosci);
    bool kontrSkalarny(const TRekFakt &f);
    bool kontrSkladni(const TRekReg &r, const IDaneReg &dane);
    // Findings about the argument and parameters of a computed constant: pairs of kind
    // (". Stała obliczana." ...) and detail.
    QList<std::pair<QString, QString>> usterkiStalejObl(const TRekStala &s) const;
    bool ciagla() const { return m_tryb == TrybKontrBazy::Spojnosc; }

    Baza &m_baza;
    const TParKonfig &m_konfig;
    int m_kodSyst;
    TrybKontrBazy m_tryb;
    Zglos m_zglos;
    TStylKontr m_styl;
    TRamkaWeryf m_ramkaWeryf;
    TRamkaSpojn m_ramkaSpojn;
    bool m_zastrzezenia = false;
    // Token texts of premise fields whose reduction found nothing, with the norms it used:
    // rules of the same shape give the same text, and it reduces the same way every time.
    QSet<QString> m_polaBezUsterek;
};

} // namespace tremida
