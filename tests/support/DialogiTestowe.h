#pragma once
// The dialogs of a window test: nothing is shown. Every message goes to a list or a function
// (its exact text, "\n\r" kept); a question is answered by `naPotwierdzenie` and the printer
// dialogs by `naDrukarke` when the test sets them (unset, the real dialog would wait for the
// user). Only the window tests include it (they link the GUI library).

#include "app/Dialogi.h"

#include <QStringList>
#include <functional>

namespace tremida::test {

class DialogiTestowe : public gui::Dialogi {
public:
    explicit DialogiTestowe(std::function<void(const QString &)> komunikaty) : naKomunikat(std::move(komunikaty)) {}
    explicit DialogiTestowe(QStringList &komunikaty)
        : naKomunikat([&komunikaty](const QString &t) { komunikaty << t; })
    {
    }

    void komunikat(const QString &tekst, QWidget *) override
    {
        if (naKomunikat)
            naKomunikat(tekst);
    }
    bool potwierdzenie(const QString &pytanie, QWidget *rodzic) override
    {
        return naPotwierdzenie ? naPotwierdzenie(pytanie) : Dialogi::potwierdzenie(pytanie, rodzic);
    }
    bool dialogiDrukarki(QPrinter &drukarka, QWidget *rodzic) override
    {
        return naDrukarke ? naDrukarke(drukarka) : Dialogi::dialogiDrukarki(drukarka, rodzic);
    }

    std::function<void(const QString &)> naKomunikat;
    std::function<bool(const QString &)> naPotwierdzenie;
    std::function<bool(QPrinter &)> naDrukarke;
};

} // namespace tremida::test
