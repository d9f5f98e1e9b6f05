#include "DataRek.h"

#include <QRandomGenerator>

#include <ctime>

namespace tremida {

QString GenDataRek(const QDate &dzien)
{
    const QString cyfryDaty = dzien.toString(QStringLiteral("ddMM"))
                              + QStringLiteral("%1").arg(dzien.year(), 4, 10, QLatin1Char('0'));
    // A generator seeded from the clock, as every stamp must look different.
    QRandomGenerator los(static_cast<quint32>(QDateTime::currentMSecsSinceEpoch())
                         ^ QRandomGenerator::system()->generate());
    QString stamp;
    stamp.reserve(370);
    for (int k = 0; k < 9; ++k) {
        for (int i = 0; i < DlugosciSerii[k]; ++i)
            stamp += QChar(u'0' + static_cast<char16_t>(los.bounded(9)));
        if (k < 8)
            stamp += cyfryDaty[k];
    }
    return stamp;
}

QString DekodDataRek(const QString &stamp)
{
    QString cyfry[8];
    int pozycja = 0;
    for (int k = 0; k < 8; ++k) {
        pozycja += DlugosciSerii[k] + 1; // 1-based position of the k-th date digit
        if (pozycja <= stamp.size())
            cyfry[k] = stamp[pozycja - 1];
    }
    return cyfry[0] + cyfry[1] + u'.' + cyfry[2] + cyfry[3] + u'.' + cyfry[4] + cyfry[5]
           + cyfry[6] + cyfry[7];
}

QString DataRekTraj(const QDate &dzien)
{
    return QStringLiteral("%1.%2.%3").arg(dzien.day()).arg(dzien.month()).arg(dzien.year());
}

QString DataRekTrajDzis()
{
    thread_local std::time_t sekunda = -1;
    thread_local QString data;
    const std::time_t teraz = std::time(nullptr);
    if (teraz != sekunda) {
        data = DataRekTraj(QDate::currentDate());
        sekunda = teraz;
    }
    return data;
}

} // namespace tremida
