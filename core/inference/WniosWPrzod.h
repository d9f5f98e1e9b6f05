#pragma once
// Forward chaining: a resumable run that examines the forward rules level by level, gathers
// the rules that may fire into the conflict set, fires one per iteration by the configured
// meta-rule, writes its conclusion and pauses at every conclusion shown to the user.

#include "SilnikWnios.h"

#include <QList>
#include <QString>
#include <optional>

namespace tremida {

class Baza;

struct TRegOdpal {
    int IdReg = 0;
    double cfKonkl = 0.0;
};

// The conflict set of one iteration.
struct TStosRegOdpal {
    int liczba = 0;
    std::optional<TRegOdpal> pierwsza;
    std::optional<TRegOdpal> najCFReg;
    double wartNajCFReg = -1.0;
    std::optional<TRegOdpal> najCFKonkl;
    double wartNajCFKonkl = -1.0;

    void zeruj() { *this = TStosRegOdpal(); }
    // Offers an accepted rule; a register changes hands only for a strictly greater value.
    void dodaj(int idReg, double cfReg, double cfKonkl);
    // The rule to fire by meta-rule `metaReg`.
    std::optional<TRegOdpal> wybierz(const QString &metaReg) const;
};

enum class TrybWPrzod { Samodzielny, FazaMieszana };

struct TStanWniosWPrzod {
    TrybWPrzod tryb = TrybWPrzod::Samodzielny;
    int hipFakt = 0;
    QList<int> regulyHip;
    int pozycja = 0;
    int iteracja = 0;
    TStosRegOdpal stos;
    TRegOdpal wybrana;
    bool odpalonaWczesniej = false;
};

// Run API: Przygotuj (launcher), PrzygotujListe (mixed inference), Start, Dalej (continue
// button), Zamknij (close button), Porzuc (the run is left where it stands); state queries
// czyWstrzymany, czyUdowodniona, listaReg.
class TWniosWPrzod : public TSilnikWnios {
public:
    TWniosWPrzod(Baza &baza, const TParKonfig &konfig, TSesjaWnios &sesja, TUzytkownikWnios &uzytkownik)
        : TSilnikWnios(Kierunek::WPrzod, baza, konfig, sesja, uzytkownik)
    {
    }

    // StartWniosWPrzod: with continuation requested it continues the paused run; otherwise it
    // starts a new run, standalone with the hypothesis text of the form (empty: none), or as
    // the forward phase of mixed inference with the inference context's hypothesis.
    WynikPrzebiegu Start(const QString &hipoteza = QString());

    // DalejWniosWPrzod: continues the paused run (the display's continue button).
    WynikPrzebiegu Dalej();

    // The display's close button: ends a standalone run with its message.
    void Zamknij();

private:
    enum class Krok { NowaIteracja, Badanie, Odpalenie };
    WynikPrzebiegu start(const QString &hipoteza);
    WynikPrzebiegu przebieg(Krok krok);
    WynikPrzebiegu koniecWyczerpania();
    // The run's state after a failure of the tables: nothing is paused any more.
    void poBledzie();

    void nowyStan() override;

    TStanWniosWPrzod stan;
};

} // namespace tremida
