#include "PolaWizKonkl.h"

#include "store/Konwersje.h"
#include "store/Slowa.h"

namespace tremida {

QString podpisPolaKonkl(PoleKonkl p)
{
    switch (p) {
    case PoleKonkl::KodSyst: return QStringLiteral("Kod systemu");
    case PoleKonkl::NazSyst: return QStringLiteral("Nazwa systemu");
    case PoleKonkl::KodReg: return QStringLiteral("Kod reguly");
    case PoleKonkl::NazReg: return QStringLiteral("Nazwa reguły");
    case PoleKonkl::KonklReg: return QStringLiteral("Konkluzja reguły");
    case PoleKonkl::OpisKonkl: return QStringLiteral("Opis konkluzji");
    case PoleKonkl::CFKonkl: return QStringLiteral("Stopień pewności konkluzji");
    case PoleKonkl::CFZagreg:
        return QStringLiteral("Zaagregowany stopień pewności konkluzji (obliczony z uaktywnionych reguł o tej samej "
                              "konkluzji)");
    case PoleKonkl::RodzFakt: return QStringLiteral("Konkluzja dotyczy faktu");
    case PoleKonkl::InstrReg:
        return QStringLiteral("Instrukcje/ zalecenia dla użytkownika wynikające z konkluzji reguły");
    case PoleKonkl::OpisReg: return QStringLiteral("Opisowa charakterystyka reguły. Autorzy");
    case PoleKonkl::LiczbaObrazow: return QStringLiteral("Liczba obrazów/zdjęć");
    case PoleKonkl::LiczbaFilmow: return QStringLiteral("Liczba filmów");
    }
    return {};
}

QString podpisPosredniego() { return QStringLiteral("pośredniego"); }

QString podpisKoncowego() { return QStringLiteral("końcowego"); }

QString tekstPolaKonkl(const TWizKonkl &w, PoleKonkl p)
{
    switch (p) {
    case PoleKonkl::KodSyst: return QString::number(w.kodSyst);
    case PoleKonkl::NazSyst: return w.nazSyst;
    case PoleKonkl::KodReg: return QString::number(w.idReg);
    case PoleKonkl::NazReg: return w.nazReg;
    case PoleKonkl::KonklReg: return w.konklReg;
    case PoleKonkl::OpisKonkl: return w.opisKonklReg;
    case PoleKonkl::CFKonkl: return realNaTekst(w.cfKonkl);
    case PoleKonkl::CFZagreg: return realNaTekst(w.cfZagreg);
    case PoleKonkl::RodzFakt: return w.rodzFakt == slowa::Koncowy ? podpisKoncowego() : podpisPosredniego();
    case PoleKonkl::InstrReg: return w.instrReg;
    case PoleKonkl::OpisReg: return w.opisReg;
    case PoleKonkl::LiczbaObrazow: return QString::number(w.liczbaObrazow);
    case PoleKonkl::LiczbaFilmow: return QString::number(w.liczbaFilmow);
    }
    return {};
}

} // namespace tremida
