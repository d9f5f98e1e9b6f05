#pragma once
// TParKonfig: the configuration parameters of the running program (inference parameters and
// the six colours of every window), with their standard values and the lists the
// configuration dialog offers.

#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>

namespace tremida {

// Shows one message to the user (exact text, "\n\r" line breaks included).
using PokazKomunikat = std::function<void(const QString &)>;

namespace konfig {

inline const QString NazwaPliku = QStringLiteral("plik konfiguracyjny systemu TREMIDA.txt");

inline const QString Rozmyta = QStringLiteral("rozmyta");
inline const QString Algebraiczna = QStringLiteral("algebraiczna");
inline const QString Lukasiewicza = QStringLiteral("Lukasiewicza");
inline const QStringList Normy = {Rozmyta, Algebraiczna, Lukasiewicza};

// Meta-rules of the order of firing, in the order of the dialog's list.
inline const QString MetaPierwsza = QStringLiteral("pierwsza na liscie regul do odpalenia - pierwsza do odpalenia");
inline const QString MetaMaksCFReg =
    QStringLiteral("pierwsza do odpalenia o maksymalnym CF reguly na liscie regul do odpalenia");
inline const QString MetaMaksCFKonkl =
    QStringLiteral("pierwsza do odpalenia o maksymalnym CF konkluzji reguly na liscie regul do odpalenia");
inline const QStringList MetaReguly = {MetaPierwsza, MetaMaksCFReg, MetaMaksCFKonkl};

// Items of the boolean lists: index 0 "True", index 1 "False".
inline const QStringList PozycjeLogiczne = {QStringLiteral("True"), QStringLiteral("False")};

// A colour is a signed 32-bit value: 0x00BBGGRR for a plain colour, 0x80000000 plus an index
// for a system colour.
inline constexpr int KolorSystemowyCzcionki = -2147483640; // system window text
inline constexpr int KolorSystemowyTla = -2147483633;      // system button face

struct Kolor {
    const char *nazwa;
    int wartosc; // for "systemowy": the font value; backgrounds use KolorSystemowyTla
};

inline constexpr int IndeksSystemowy = 16;
inline constexpr std::array<Kolor, 17> Kolory = {{
    {"akwamaryna", 16776960},
    {"czarny", 0},
    {"niebieski", 16711680},
    {"fuksja", 16711935},
    {"szary", 8421504},
    {"zielony", 32768},
    {"cytrynowy", 65280},
    {"kasztanowaty", 128},
    {"morski", 8388608},
    {"oliwkowy", 32896},
    {"purpurowy", 8388736},
    {"czerwony", 255},
    {"srebrny", 12632256},
    {"zielonomodry", 8421376},
    {"bialy", 16777215},
    {"zolty", 65535},
    {"systemowy", KolorSystemowyCzcionki},
}};

// Names of the seventeen colours, in the order of the dialog's lists.
QStringList nazwyKolorow();

// Value of the colour with list index `indeks` (0..16) for a font or a background.
int wartoscKoloru(int indeks, bool tlo);

// List index of a colour value for a font or a background, or -1 when it is none of the
// seventeen.
int indeksKoloru(int wartosc, bool tlo);

} // namespace konfig

struct TParKonfig {
    int MaxPozReg = 10;
    bool CzyOdpalUwzgl = false;
    bool CzyTylkoOdpal = false;
    QString TNormaIloczyn = konfig::Rozmyta;
    QString SNormaSuma = konfig::Rozmyta;
    QString SNormaKonkl = konfig::Rozmyta;
    double ProgCF = 0.05;
    double PrzyrostCF = 0.02;
    bool CzyPelnaWeryf = true;
    int KolCzcCzyn = 255;
    int KolCzcBier = 16711680;
    int KolCzcPomoc = 16711935;
    int KolTlaCzyn = konfig::KolorSystemowyTla;
    int KolTlaBier = konfig::KolorSystemowyTla;
    int KolTlaPomoc = konfig::KolorSystemowyTla;
    QString MetaReg = konfig::MetaPierwsza;

    bool operator==(const TParKonfig &) const = default;
};

// The user's own values as the configuration dialog holds them: the texts of the three
// edit fields and the selected index of each list (-1: nothing selected).
struct TWartWlasneKonfig {
    QString MaxPozReg;
    int CzyOdpalUwzgl = -1; // index in konfig::PozycjeLogiczne
    int CzyTylkoOdpal = -1;
    int TNormaIloczyn = -1; // index in konfig::Normy
    int SNormaSuma = -1;
    int SNormaKonkl = -1;
    QString ProgCF;
    QString PrzyrostCF;
    int CzyPelnaWeryf = -1;
    int KolCzcCzyn = -1; // index in konfig::Kolory
    int KolCzcBier = -1;
    int KolCzcPomoc = -1;
    int KolTlaCzyn = -1;
    int KolTlaBier = -1;
    int KolTlaPomoc = -1;
    int MetaReg = -1; // index in konfig::MetaReguly

    bool operator==(const TWartWlasneKonfig &) const = default;
};

// Own values that show the given parameters: the integer as decimal text, reals in the
// general form with a decimal comma, each list on the item equal to the value (a colour
// that is none of the seventeen leaves its list without a selection).
TWartWlasneKonfig wlasneZParametrow(const TParKonfig &p);

// "Przepisz standardowe do własnych": the own values showing the standard values.
TWartWlasneKonfig wlasneStandardowe();

// Checks the own values in the dialog's order and returns the message of the first check
// that fails. `dlaZapisu` selects the variant of "Zapisz własne do pliku" (one message
// differs from that of "Zastosuj własne").
std::optional<QString> sprawdzWlasne(const TWartWlasneKonfig &w, bool dlaZapisu);

// Parameters made of checked own values ("systemowy" becomes the system window text colour
// for fonts and the system button face colour for backgrounds).
TParKonfig parametryZWlasnych(const TWartWlasneKonfig &w);

// Messages of the dialog's actions.
namespace konfig {
inline const QString KomZastosowanoStandardowe =
    QStringLiteral("Zastosowano standardowe wartości parametrów konfiguracyjnych.");
inline const QString KomZastosowanoWlasne =
    QStringLiteral("Zastosowano własne użytkownika wartości parametrów konfiguracyjnych.");
} // namespace konfig

} // namespace tremida
