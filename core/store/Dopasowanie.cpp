#include "Dopasowanie.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tremida {

int zaokraglijDoParzystej(double x)
{
    constexpr double gorna = std::numeric_limits<int>::max();
    constexpr double dolna = std::numeric_limits<int>::min();
    if (std::isnan(x))
        return 0;
    const double podloga = std::floor(x);
    const double reszta = x - podloga;
    double w = podloga;
    if (reszta > 0.5 || (reszta == 0.5 && std::fmod(podloga, 2.0) != 0.0))
        w = podloga + 1.0;
    return static_cast<int>(std::clamp(w, dolna, gorna));
}

Prostokat dopasujDoRamki(const Prostokat &ramka, double stosunek)
{
    Prostokat r = ramka;
    if (!std::isfinite(stosunek) || stosunek <= 0.0 || ramka.szerokosc <= 0 || ramka.wysokosc <= 0)
        return r;
    const double H = ramka.wysokosc, W = ramka.szerokosc;
    if (stosunek <= H / W) {
        r.wysokosc = std::max(1, zaokraglijDoParzystej(stosunek * W));
        r.gora = ramka.gora + (ramka.wysokosc - r.wysokosc) / 2;
    } else {
        r.szerokosc = std::max(1, zaokraglijDoParzystej(H / stosunek));
        r.lewo = ramka.lewo + (ramka.szerokosc - r.szerokosc) / 2;
    }
    return r;
}

} // namespace tremida
