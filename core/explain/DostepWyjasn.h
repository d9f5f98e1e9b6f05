#pragma once
// The reads of the explanations: the trajectory of a system's last run and the rules of a
// system. The explanations only look: nothing here writes, and every explanation reads inside
// one transaction that is rolled back (TOdczytWyjasn), so that it sees the tables of one
// moment even while another program writes. Facts, values and constants come through the
// rule language's snapshot (TDaneReg) and the engine's reads (DostepWnios).

#include "store/Baza.h"
#include "store/Rekordy.h"

#include <QList>
#include <QString>
#include <optional>

namespace tremida {

namespace wyjasn {

// The steps of the system's trajectory in step order, or only its fired steps when
// `tylkoOdpalone`. A failed read is recorded in the database (Baza::blad) and gives what it
// read so far.
QList<TRekTraj> krokiSystemu(Baza &baza, int kodSyst, bool tylkoOdpalone = false);

// The rules of the system in key order (failure as above).
QList<TRekReg> regulySystemu(Baza &baza, int kodSyst);

// The table files every explanation reads, tested in order as the commands test them: the
// message of the first that is missing or is not its table, or no value.
std::optional<QString> warunkiWyjasnien(Baza &baza);

} // namespace wyjasn

// The reading of one explanation: a transaction that only reads and is rolled back when the
// explanation is done, so nothing is ever written by looking.
class TOdczytWyjasn {
public:
    explicit TOdczytWyjasn(Baza &baza);
    ~TOdczytWyjasn();
    TOdczytWyjasn(const TOdczytWyjasn &) = delete;
    TOdczytWyjasn &operator=(const TOdczytWyjasn &) = delete;

    // The message of the first failed read of the explanation (which table file and why,
    // then "Opcja nie zostanie zrealizowana."), or no value.
    std::optional<QString> blad() const;

private:
    Baza &m_baza;
    bool m_wlasna = false;
};

} // namespace tremida
