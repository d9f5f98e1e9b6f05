#pragma once
// The setting of a window test: the main window over a fresh working folder with every table
// created and a knowledge base imported, the messages it shows collected instead of shown.
// Only the window tests include it (they link the GUI library).

#include "Pomocnicze.h"
#include "app/Komunikat.h"
#include "app/TFormGlowne.h"
#include "widgets/Kontrolki.h"

#include <QStringList>
#include <memory>

namespace tremida::test {

class StanowiskoGui {
public:
    // The messages go to `komunikaty`; with `potwierdzaj` every question is answered yes.
    StanowiskoGui(QStringList &komunikaty, const char *dane, bool potwierdzaj = false) : m_potwierdzaj(potwierdzaj)
    {
        gui::ustawPrzechwytKomunikatow([&komunikaty](const QString &t) { komunikaty << t; });
        if (m_potwierdzaj)
            gui::ustawPrzechwytPotwierdzen([](const QString &) { return true; });
        glowne = std::make_unique<gui::TFormGlowne>(folder.sciezka());
        zalozWszystkieTabele(glowne->kontekst().baza);
        importuj(glowne->kontekst().baza, dane);
    }
    ~StanowiskoGui()
    {
        glowne.reset();
        gui::ustawPrzechwytKomunikatow({});
        if (m_potwierdzaj)
            gui::ustawPrzechwytPotwierdzen({});
    }
    StanowiskoGui(const StanowiskoGui &) = delete;
    StanowiskoGui &operator=(const StanowiskoGui &) = delete;

    FolderRoboczy folder;
    std::unique_ptr<gui::TFormGlowne> glowne;

private:
    bool m_potwierdzaj;
};

} // namespace tremida::test
