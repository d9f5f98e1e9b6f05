#pragma once
// The objects shared by every window for the whole run: the database of the working
// folder, the configuration record and the free key finder. The main window creates them.

#include "app/ParKonfig.h"
#include "store/Baza.h"
#include "store/WolnyKod.h"

#include <QObject>
#include <QString>
#include <functional>

namespace tremida::gui {

class KontekstAplikacji : public QObject {
    Q_OBJECT
public:
    explicit KontekstAplikacji(const QString &folder, QObject *rodzic = nullptr);

    QString folder;
    Baza baza;
    TParKonfig konfig;
    TWolnyKod wolnyKod;

    // Opens a page of the built-in manual by its number ("5.1", "0"); every "Pomoc" button
    // calls it. Set by the main window once the manual exists; empty means no manual.
    std::function<void(const QString &)> pokazStroneInstrukcji;

    // Tells every window to apply the colours of `konfig` again.
    void zastosujKoloryWszedzie() { emit koloryZmienione(); }

signals:
    void koloryZmienione();
};

} // namespace tremida::gui
