#pragma once
// The settings of the window tests: the main window over a working folder on an application
// context of its own whose dialogs are the test's, that window over a fresh folder with
// every table created and a knowledge base imported, and a test base making one per test.
// Only the window tests include it (they link the GUI library).

#include "DialogiTestowe.h"
#include "Pomocnicze.h"
#include "app/KontekstAplikacji.h"
#include "app/TFormGlowne.h"

#include <QApplication>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

namespace tremida::test {

// The context is a base listed before the window, so it is made first and ends last: every
// window holds a reference to it.
struct KontekstTestowy {
    KontekstTestowy(const QString &folder, std::unique_ptr<DialogiTestowe> d)
        : dialogiTestu(*d), kontekstTestu(folder, std::move(d))
    {
    }
    DialogiTestowe &dialogiTestu;
    gui::KontekstAplikacji kontekstTestu;
};

// The main window over `folder`; its messages go to `komunikaty` (or to a function).
class GlowneTestowe : private KontekstTestowy, public gui::TFormGlowne {
public:
    GlowneTestowe(const QString &folder, QStringList &komunikaty)
        : KontekstTestowy(folder, std::make_unique<DialogiTestowe>(komunikaty)), TFormGlowne(kontekstTestu)
    {
    }
    GlowneTestowe(const QString &folder, std::function<void(const QString &)> komunikaty)
        : KontekstTestowy(folder, std::make_unique<DialogiTestowe>(std::move(komunikaty))), TFormGlowne(kontekstTestu)
    {
    }

    // The dialogs in place of the message boxes, questions and printer dialogs.
    DialogiTestowe &dialogi() { return dialogiTestu; }
};

class StanowiskoGui {
public:
    // The messages go to `komunikaty`; with `potwierdzaj` every question is answered yes.
    StanowiskoGui(QStringList &komunikaty, const char *dane, bool potwierdzaj = false)
        : glowne(std::make_unique<GlowneTestowe>(folder.sciezka(), komunikaty))
    {
        if (potwierdzaj)
            glowne->dialogi().naPotwierdzenie = [](const QString &) { return true; };
        zalozWszystkieTabele(glowne->kontekst().baza);
        importuj(glowne->kontekst().baza, dane);
    }
    StanowiskoGui(const StanowiskoGui &) = delete;
    StanowiskoGui &operator=(const StanowiskoGui &) = delete;

    FolderRoboczy folder;
    std::unique_ptr<GlowneTestowe> glowne;
};

// The base of the window tests that start every test from a fresh workstation: its messages go
// to `m_komunikaty`, and it stands in `m_s` until `zamknijStanowisko`.
class TestStanowiska {
protected:
    // A fresh workstation over the fixture `dane` (every question answered yes with
    // `potwierdzaj`); the messages of before are dropped, those of its set-up kept.
    void zalozStanowisko(const char *dane, bool potwierdzaj = false)
    {
        m_komunikaty.clear();
        m_s = std::make_unique<StanowiskoGui>(m_komunikaty, dane, potwierdzaj);
    }
    void zamknijStanowisko() { m_s.reset(); }

    GlowneTestowe &glowne() { return *m_s->glowne; }
    Baza &baza() { return m_s->glowne->kontekst().baza; }

    QStringList m_komunikaty;
    std::unique_ptr<StanowiskoGui> m_s;
};

// Answers the next modal window: once the event loop turns (inside the modal loop of the
// window about to open), checks that the active modal window is a T titled `tytul` and hands
// it to `odpowiedz`, which clicks one of its buttons. A failed check fails the test.
template <typename T>
void odpowiedzOknuModalnemu(const QString &tytul, std::function<void(T *)> odpowiedz)
{
    QTimer::singleShot(0, [tytul, odpowiedz = std::move(odpowiedz)] {
        auto *okno = qobject_cast<T *>(QApplication::activeModalWidget());
        QVERIFY(okno);
        QCOMPARE(okno->windowTitle(), tytul);
        odpowiedz(okno);
    });
}

} // namespace tremida::test
