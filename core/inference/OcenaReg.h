#pragma once
// Evaluation of rules during inference and the writing of conclusions: the logical value
// and CF of a premise field from the current facts, the conclusion and its constant, the
// trajectory row of each examination, and ZapiszKonkl. Shared by every inference method.

#include "DostepWnios.h"
#include "JezykReg.h"
#include "SesjaWnios.h"
#include "UzytkownikWnios.h"

#include <QHash>
#include <QList>
#include <QString>
#include <array>
#include <memory>
#include <optional>
#include <unordered_map>
#include <utility>
#include <vector>

namespace tremida {

class Baza;

// Which engine evaluates: decides the direction word of the trajectory row, whether
// CFKonklReg is written by the evaluation and whether facts without value are collected.
enum class TrybOceny { WPrzod, Wstecz, Falsyf };

struct TWynikReg {
    jezyk::Wart wartosc = jezyk::Wart::Unknown;
    double cfPrzes = 0.0;
    double cfKonkl = 0.0;
    bool stalaWKonkl = false; // the conclusion's value is a constant
    bool stalaMaWart = false; // ... which has a value now
    bool przyjeta = false;
    bool przerwanie = false;
};

// A logical token of one elementary premise.
struct TTokenPrzes {
    jezyk::Wart wartosc = jezyk::Wart::Unknown;
    double cf = 0.0;
};

// The fact that conclusion `konkl` names, read from the facts of system `kodSyst`. No value,
// with the finding in *usterka, when a rule may not conclude about it: K1 (no conclusion, no
// such fact, or the read failed) or K2 (an input fact).
std::optional<TRekFakt> FaktKonkluzji(Baza &baza, int kodSyst, const std::optional<TPrzesElem> &konkl,
                                      IdUsterki *usterka);

// Reads a hypothesis (or any goal) conclusion text and looks its fact up among the facts of the
// system: E1 when there is none, E2 when it is an input fact (messages name the rule code the
// engine used last). Returns the fact, or no value after the message.
std::optional<TRekFakt> FaktHipotezy(Baza &baza, const TSesjaWnios &sesja, TUzytkownikWnios &uzytkownik,
                                     const QString &tekst);

class TOcenaReg {
public:
    TOcenaReg(Baza &baza, const TParKonfig &konfig, TSesjaWnios &sesja, TUzytkownikWnios &uzytkownik);

    // OblWartLogPolaPrzesReg: evaluates `reg` at `poziom` in `iteracja`. Shows the messages,
    // asks for input facts, writes CFKonklReg (not in forward mode) and appends the
    // trajectory row. On an error message `przerwanie` is set and nothing is written for
    // the rule. `bezWartosci` (backward modes) collects facts without value, each once.
    TWynikReg OblWartLogPolaPrzesReg(const TRekReg &reg, int poziom, int iteracja, TrybOceny tryb,
                                     QList<int> *bezWartosci = nullptr);

    // The evaluation of `reg` without writing anything: the bracket checks, the token of every
    // elementary premise (OblPrzesElem), the reduction, the conclusion and its constant, the
    // conclusion CF and whether the rule would be accepted. Shows the messages as
    // OblWartLogPolaPrzesReg does; on an error message `przerwanie` is set. `tokeny` receives
    // the tokens of the premises evaluated, in their order.
    TWynikReg OcenRegule(const TRekReg &reg, QList<TTokenPrzes> *tokeny = nullptr);

    // OblPrzesElem: the token of one elementary premise of rule `kod`; no value after an
    // error message.
    std::optional<TTokenPrzes> OblPrzesElem(const QString &kod, const TPrzesElem &p);

    // ZapiszKonkl: writes conclusion `konkl` with `cf` into the facts tables for rule `kod`.
    // Returns false after an error message (E1..E9, C7i..C13i) or a failed write. `rodzFakt`
    // receives the conclusion fact's kind.
    [[nodiscard]] bool ZapiszKonkl(const QString &kod, const QString &konkl, double cf, QString *rodzFakt = nullptr);

    // The firing of a rule, the same in every method: the rule is read again, conclusion
    // `konkl` (a null text: the rule's own) is written with `cfKonkl` (ZapiszKonkl), the rule
    // is marked fired (CzyOdpal "tak", CzyBieUdzWeWnios "tak" when `dalszyUdzial`, else
    // "nie", CFKonklReg `cfReguly`) and its trajectory row "tak" is appended in the
    // direction of `tryb`. Returns the rule as written, or no value after an error message
    // or a failed read or write (a rule no longer in the table is such a failure).
    // `wczesniejOdpalona` receives whether the rule had fired before in this run.
    [[nodiscard]] std::optional<TRekReg> OdpalRegule(int idReg, const QString &konkl, double cfKonkl, double cfReguly,
                                                     int iteracja, TrybOceny tryb, bool dalszyUdzial,
                                                     QString *rodzFakt = nullptr, bool *wczesniejOdpalona = nullptr);

    // AgregCF: aggregation of two CFs of one conclusion with the family SNormaKonkl.
    double AgregCF(double a, double b) const;

    // The aggregated CF of conclusion `konkl` over the fired rules of the system.
    double zagregowanyCF(const QString &konkl) const;

    // The conclusions display of a fired rule.
    TWizKonkl WizKonklReg(const TRekReg &reg, double cfZagreg, const QString &rodzFakt) const;

    TrybWnios trybPytania = TrybWnios::WPrzod;

    // Looking only: an input fact without value is never asked for (no question, no dialog)
    // and counts as the user's "no value", so OblPrzesElem and OcenRegule change nothing in
    // the tables. OblWartLogPolaPrzesReg, ZapiszKonkl and OdpalRegule write all the same and
    // are not for this mode.
    bool tylkoOdczyt = false;

    // A constant named by a value: whether one was found, whether it has a value, its value
    // text and its type word.
    struct TStala {
        bool jest = false;
        bool maWart = false;
        QString wartosc;
        QString typ;
    };
    // The constant lookup of ZapiszKonkl for the value `wartosc` of a conclusion of rule `kod`
    // (a computed constant may ask for its input argument). No value after an error message.
    std::optional<TStala> stalaKonkluzji(const QString &kod, const QString &wartosc)
    {
        return rozwiazStala(kod, m_ostatniaPrzeslanka, wartosc);
    }

private:
    // The tokens of a premise field as a key: per premise its value and its CF in whole
    // hundredths (the token text is made of nothing else). Fields of more premises, or CFs
    // too large for the key, have none.
    struct TKluczTokenow {
        std::array<quint16, 8> tokeny{};
        int liczba = 0;
        bool operator==(const TKluczTokenow &) const = default;
    };
    struct HashKlucza {
        size_t operator()(const TKluczTokenow &k) const noexcept;
    };
    // How a value text is read: by the type of the fact it is compared with.
    enum class Odczyt : unsigned char { Rzeczywista, Calkowita, Logiczna };
    // A value read from a text, kept with the text and the way it was read so that the same
    // characters are not read again (the text is held, so its characters cannot change under
    // it). A logical value is kept as 1 (TRUE) or 0 (FALSE).
    struct TLiczbaTekstu {
        QString tekst;
        Odczyt odczyt = Odczyt::Rzeczywista;
        std::optional<double> liczba;
    };
    // The fact and the constant named by a premise (or a conclusion) as found under one
    // dostep::pokolenieOdczytow: the fact is held by the store's place of its record (which
    // the engine's writes keep current) and found again by its name only when the records
    // were forgotten or the place emptied; the constant only when the records were
    // forgotten. Then the numbers last read from the fact's value and from the right side,
    // and the literal of the right side.
    struct TNazwyPrzeslanki {
        quint64 pokolenieFaktu = 0;
        std::shared_ptr<const dostep::TMiejsceFaktu> miejsce;
        quint64 pokolenieStalej = 0;
        std::shared_ptr<const TRekStala> stala;
        TLiczbaTekstu lewa, prawa;
        std::optional<QString> literal; // the premise's value without blanks, once made
    };
    // What a rule's texts give whatever the facts say, made once per rule and used while its
    // texts stay the same: its code as text, the message of the raw bracket checks, the
    // scans of the premise field and of the conclusion, the reductions of the token texts
    // met so far (made with m_normyRedukcji), and what its names were found to stand for.
    struct TRegulaPrzygotowana {
        QString przes, konkl;
        QString kod;
        std::optional<QString> bladNawiasow;
        TSkanPola pole;
        std::optional<TPrzesElem> konklSkan;
        std::unordered_map<TKluczTokenow, jezyk::TRedukcja, HashKlucza> redukcje;
        std::vector<TNazwyPrzeslanki> nazwy; // one per premise, then the conclusion's
    };
    const TRegulaPrzygotowana &przygotowana(const TRekReg &reg);
    // OcenRegule with the rule's prepared texts at hand.
    TWynikReg ocenRegule(const TRekReg &reg, TRegulaPrzygotowana &rp, QList<TTokenPrzes> *tokenyPrzeslanek);

    // The fact named `nazwa` and the constant named `wartosc`, found again only when the
    // remembered records changed since `n` was filled.
    std::shared_ptr<const TRekFakt> faktONazwie(const QString &nazwa, TNazwyPrzeslanki *n);
    std::shared_ptr<const TRekStala> stalaONazwie(const QString &wartosc, TNazwyPrzeslanki *n);
    // tekstNaReal, remembered by text: fact values and right sides repeat from rule to rule;
    // `ostatnia` (if any) answers at once for the very text it was last given.
    std::optional<double> liczbaRzecz(const QString &tekst, TLiczbaTekstu *ostatnia = nullptr);
    // A value text read as `odczyt` says (a logical value as 1 or 0); `ostatnia` (if any)
    // answers at once for the very text it last read the same way.
    static std::optional<double> wartoscTekstu(const QString &tekst, Odczyt odczyt, TLiczbaTekstu *ostatnia);
    std::optional<TTokenPrzes> ocenPrzeslanke(const QString &kod, const TPrzesElem &p, TNazwyPrzeslanki *n);
    // Looks the value up among the constants and resolves the constant found (asking for an
    // input argument). No value after an error message in frame B.
    std::optional<TStala> rozwiazStala(const QString &kod, int przeslanka, const QString &wartosc,
                                       TNazwyPrzeslanki *n = nullptr);
    // Whether the input fact is to be asked for now (never while only looking).
    bool pytac(const TRekFakt &fakt) const;
    // Opens the input dialog for an input fact and returns whether it was closed by OK.
    bool zapytaj(const TRekFakt &fakt, ZrodloPytania zrodlo);
    std::optional<TTokenPrzes> ocenWylicz(const QString &kod, const TPrzesElem &p, TRekFakt fakt);
    std::optional<TTokenPrzes> ocenSkalar(const QString &kod, const TPrzesElem &p, const TRekFakt &fakt,
                                          const TStala &stala, TNazwyPrzeslanki *n);
    void dodajBezWart(int idFakt);
    void blad(const QString &tekst);
    // The scans of a premise field and of a conclusion, remembered by their text for the
    // evaluator's life: a scan depends on the text alone, and a rule is examined many times.
    TSkanPola skanPola(const QString &pole);
    std::optional<TPrzesElem> skanKonkl(const QString &konkl);
    // The reduction of a field's token text, remembered with the two norms it was made
    // with. A reduction that ends in an error message is not remembered, as the message
    // names the rule.
    jezyk::TRedukcja redukuj(const QString &tekstTokenow, const QString &kod);

    Baza &m_baza;
    const TParKonfig &m_konfig;
    TSesjaWnios &m_sesja;
    TUzytkownikWnios &m_uzytkownik;
    QList<int> *m_bezWartosci = nullptr;
    int m_ostatniaPrzeslanka = 0;
    QHash<QString, TSkanPola> m_skanyPol;
    QHash<QString, std::optional<TPrzesElem>> m_skanyKonkl;
    QHash<QString, jezyk::TRedukcja> m_redukcje;
    std::pair<QString, QString> m_normyRedukcji;
    std::unordered_map<int, TRegulaPrzygotowana> m_reguly;
    int m_liczbaPytan = 0; // input dialogs opened so far
    QHash<QString, std::optional<double>> m_liczbyRzecz;
    unsigned m_liczbaOcen = 0; // rules evaluated so far (the user hears of the work now and then)
};

} // namespace tremida
