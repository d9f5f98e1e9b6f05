#pragma once
// The objects shared by every window for the whole run: the database of the working
// folder, the configuration record, the free key finder, the dialogs through which the
// program tells and asks the user, and the picture and film viewers. Whoever opens the main
// window creates the context first and keeps it until the main window is gone: every window
// holds a reference to it.

#include "Dialogi.h"
#include "app/ParKonfig.h"
#include "store/Baza.h"
#include "store/WolnyKod.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>

class QAbstractButton;

namespace tremida::gui {

class TFormWizFilm;
class TFormWizGraf;

class KontekstAplikacji : public QObject {
    Q_OBJECT
public:
    // `dialogi`: the dialogs of the program; null gives the real modal boxes and dialogs.
    explicit KontekstAplikacji(const QString &folder, std::unique_ptr<Dialogi> dialogi = nullptr,
                               QObject *rodzic = nullptr);
    // Deletes the picture and film viewers while everything they use still exists.
    ~KontekstAplikacji() override;

    QString folder;
    Baza baza;
    TParKonfig konfig;
    TWolnyKod wolnyKod;

    // Opens a page of the built-in manual by its number ("5.1", "0"); every "Pomoc" button
    // calls it. Set by the main window once the manual exists; empty means no manual.
    std::function<void(const QString &)> pokazStroneInstrukcji;
    // Makes `przycisk` (a window's "Pomoc") open the manual page `strona` when clicked; with
    // no manual the click does nothing.
    void polaczPomoc(QAbstractButton *przycisk, const QString &strona);

    // Tells every window to apply the colours of `konfig` again.
    void zastosujKoloryWszedzie() { emit koloryZmienione(); }

    // The dialogs of this context.
    Dialogi &dialogi() { return *m_dialogi; }

    // The dialogs of the running program: those of the context created last among the ones
    // that still exist (the program has one); with no context, the real modal boxes. The
    // message, question and printer functions of the windows go through them.
    static Dialogi &dialogiAplikacji();

    // The picture and film viewers of this context (top-level windows, so not children of
    // anything): created on first use by the code that shows pictures and films, deleted with
    // the context.
    QPointer<TFormWizGraf> wizGraf;
    QPointer<TFormWizFilm> wizFilm;

signals:
    void koloryZmienione();

private:
    std::unique_ptr<Dialogi> m_dialogi;
};

} // namespace tremida::gui
