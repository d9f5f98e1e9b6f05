#pragma once
// A scripted inference run: the whole road of an inference without windows - the choice of a
// knowledge base, input-fact values from a file, verification, the run of the chosen method
// with every conclusions display continued (or the chosen one closed), falsification by chosen
// candidates - as one transaction committed at the end. Input facts are answered from scripted
// answers. tremida-cli infer, the what-if runs and the test cases of knowledge bases all run
// inference through it.

#include "KrokWnios.h"
#include "UzytkownikWnios.h"
#include "app/ParKonfig.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace tremida {

class Baza;

// One scripted answer for an input fact: a value and its CF, as the user would type them.
struct TOdpowiedz {
    QString wartosc;
    QString cf;
    bool operator==(const TOdpowiedz &) const = default;
};
// Answers by IdFakt; an enumerated fact has one answer per value marked "tak".
using TOdpowiedzi = QMap<int, QList<TOdpowiedz>>;

// Reads an answers file: lines IdFakt<TAB>value<TAB>CF, "#" comments and empty lines skipped,
// CR LF or LF. False with *blad naming the file (and the line) when the file is not a regular
// file, cannot be read, or a line has no code or no value.
bool wczytajOdpowiedzi(const QString &plik, TOdpowiedzi &odpowiedzi, QString *blad);

// Applies PARAMETER=VALUE to the configuration with the configuration dialog's checks of own
// values (booleans in any letter case). Returns the reason when the text is not an assignment,
// the parameter is unknown or the value is refused; the configuration is then unchanged.
std::optional<QString> ustawParametr(TParKonfig &konfig, const QString &przypisanie);

enum class MetodaWnios { WPrzod, Wstecz, Mieszane };

// The method named "forward", "backward" or "mixed", or none.
std::optional<MetodaWnios> metodaONazwie(const QString &nazwa);

// What a scripted run does.
struct TSkryptPrzebiegu {
    int kodSyst = 0;
    MetodaWnios metoda = MetodaWnios::WPrzod;
    QString hipoteza;        // forward: optional; backward and mixed: required
    QString plikFaktow;      // input-fact values read before verification (empty: none)
    bool weryfikacja = true; // verification in the mode of CzyPelnaWeryf
    QStringList falsyfikujace;        // falsification candidates to select, by text
    bool falsyfikujWszystkie = false; // select every candidate
    int zamknijPo = 0;                // the display of this number is closed (0: none)
};

// The user of a scripted run: an input fact asked for is given its scripted answers (through
// the same checks and writes as the input dialog); without answers, or when an answer is
// refused, it is left without value ("nzn"). Messages, conclusions and the falsification form
// are left to the implementation.
class TUzytkownikSkryptowy : public TUzytkownikWnios {
public:
    TUzytkownikSkryptowy(Baza &baza, const TParKonfig &konfig) : m_baza(baza), m_konfig(konfig) {}

    TOdpowiedzi odpowiedzi;
    // Whether answers come from `odpowiedzi`; otherwise from odpowiedziDla().
    bool zOdpowiedzi = false;

    void czytajFakt(TKontekstCzytFakt &kontekst) override;

protected:
    // The answers for a fact asked when they do not come from `odpowiedzi` (a terminal
    // prompt, say); none by default. An empty list or a single "???" gives no value.
    virtual QList<TOdpowiedz> odpowiedziDla(const TKontekstCzytFakt &kontekst);

private:
    Baza &m_baza;
    const TParKonfig &m_konfig;
};

enum class KoniecPrzebiegu {
    Zakonczony, // the run ended (by exhaustion, its final message, or a closed display)
    Przerwany,  // a precondition, the facts file, verification or an error message stopped it,
                // or a read, write or commit of the tables failed (all rolled back)
    BrakSystemu // there is no knowledge base of that code (nothing was shown)
};

struct TWynikPrzebiegu {
    KoniecPrzebiegu koniec = KoniecPrzebiegu::Przerwany;
    bool udowodniona = false;    // the main hypothesis was proven
    bool sfalsyfikowana = false; // falsification proved a candidate
};

// Runs the script on the tables of `baza` with the configuration `konfig`; everything is shown
// to `uzytkownik`. `przedWeryfikacja`, when given, is called after the facts file was read and
// before verification (inside no transaction); false from it stops the run as Przerwany.
TWynikPrzebiegu PrzeprowadzPrzebieg(Baza &baza, const TParKonfig &konfig, const TSkryptPrzebiegu &skrypt,
                                    TUzytkownikWnios &uzytkownik,
                                    const std::function<bool(TSesjaWnios &)> &przedWeryfikacja = {});

} // namespace tremida
