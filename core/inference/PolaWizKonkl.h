#pragma once
// The fields of the conclusions display, in the order they are shown: their captions and the
// texts of a shown conclusion. The window and tremida-cli show a conclusion through these.

#include "UzytkownikWnios.h"

#include <QString>
#include <array>

namespace tremida {

enum class PoleKonkl {
    KodSyst,
    NazSyst,
    KodReg,
    NazReg,
    KonklReg,
    OpisKonkl,
    CFKonkl,
    CFZagreg,
    RodzFakt,
    InstrReg,
    OpisReg,
    LiczbaObrazow,
    LiczbaFilmow,
};

inline constexpr std::array<PoleKonkl, 13> PolaKonkl = {
    PoleKonkl::KodSyst,  PoleKonkl::NazSyst,  PoleKonkl::KodReg,   PoleKonkl::NazReg,   PoleKonkl::KonklReg,
    PoleKonkl::OpisKonkl, PoleKonkl::CFKonkl, PoleKonkl::CFZagreg, PoleKonkl::RodzFakt, PoleKonkl::InstrReg,
    PoleKonkl::OpisReg,  PoleKonkl::LiczbaObrazow, PoleKonkl::LiczbaFilmow};

// The caption of a field without a closing colon ("Kod systemu", "Opis konkluzji",
// "Konkluzja dotyczy faktu", ...).
QString podpisPolaKonkl(PoleKonkl p);

// The two items of the kind of the conclusion's fact: "pośredniego" and "końcowego".
QString podpisPosredniego();
QString podpisKoncowego();

// The text of a field of a shown conclusion: codes and counts as decimal integers, CFs in the
// general floating-point form with a decimal comma, the kind of the fact as its item
// ("końcowego" for "koncowy", "pośredniego" otherwise), other fields as they are.
QString tekstPolaKonkl(const TWizKonkl &w, PoleKonkl p);

} // namespace tremida
