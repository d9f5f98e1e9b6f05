#pragma once
// TWolnyKod: finds the smallest key of a table not yet used, over all knowledge bases.

#include "Schemat.h"

#include <memory>
#include <optional>

namespace tremida {

class Baza;

class TWolnyKod {
public:
    static constexpr int MaksKlucz = 1000000;

    TWolnyKod();

    // The smallest free key 1..1000000 of the table's key column, or 1000001 when every
    // key is used. Keys outside 1..1000000 are ignored. Returns no value when the table
    // cannot be read (its file missing or not a table file). The result is also kept as
    // the last result.
    std::optional<int> znajdz(Baza &baza, Tabela t);

    int ostatniWynik() const { return m_ostatni; }

private:
    std::unique_ptr<unsigned char[]> m_zajety; // one flag per key, allocated once
    int m_ostatni = 1;
};

} // namespace tremida
