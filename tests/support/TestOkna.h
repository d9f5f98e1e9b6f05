#pragma once
// The set-up shared by the tests of one table window: for every test a fresh workstation over
// a knowledge-base fixture, the window opened from the main menu, and the messages of the
// set-up dropped so that a test sees only its own.

#include "StanowiskoGui.h"

#include <QAction>
#include <QStringList>
#include <memory>

namespace tremida::test {

class TestOkna {
protected:
    // A workstation over the fixture `dane` (every question answered yes with `potwierdzaj`),
    // then the menu command `akcja`; the messages shown until then are cleared.
    void otworzStanowisko(const char *dane, gui::Akcja akcja, bool potwierdzaj = false)
    {
        m_komunikaty.clear();
        m_s = std::make_unique<StanowiskoGui>(m_komunikaty, dane, potwierdzaj);
        m_komunikaty.clear();
        m_s->glowne->akcja(akcja)->trigger();
    }
    void zamknijStanowisko() { m_s.reset(); }

    QStringList m_komunikaty;
    std::unique_ptr<StanowiskoGui> m_s;
};

} // namespace tremida::test
