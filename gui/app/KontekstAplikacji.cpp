#include "KontekstAplikacji.h"

#include "store/TFormWizFilm.h"
#include "store/TFormWizGraf.h"

#include <algorithm>
#include <vector>

#include <QAbstractButton>

namespace tremida::gui {

namespace {

// The contexts that exist, oldest first.
std::vector<KontekstAplikacji *> &konteksty()
{
    static std::vector<KontekstAplikacji *> k;
    return k;
}

} // namespace

KontekstAplikacji::KontekstAplikacji(const QString &f, std::unique_ptr<Dialogi> d, QObject *rodzic)
    : QObject(rodzic), folder(f), m_dialogi(d ? std::move(d) : std::make_unique<Dialogi>())
{
    konteksty().push_back(this);
}

KontekstAplikacji::~KontekstAplikacji()
{
    delete wizGraf.data();
    delete wizFilm.data();
    auto &k = konteksty();
    k.erase(std::remove(k.begin(), k.end(), this), k.end());
}

void KontekstAplikacji::polaczPomoc(QAbstractButton *przycisk, const QString &strona)
{
    connect(przycisk, &QAbstractButton::clicked, this, [this, strona] {
        if (pokazStroneInstrukcji)
            pokazStroneInstrukcji(strona);
    });
}

Dialogi &KontekstAplikacji::dialogiAplikacji()
{
    static Dialogi okienne;
    return konteksty().empty() ? okienne : konteksty().back()->dialogi();
}

} // namespace tremida::gui
