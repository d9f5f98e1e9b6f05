#pragma once
// The busy cursor over every window while inference works. A KursorPracy held for the length
// of an engine call sets it; while the user is asked something in between (a message box,
// the input dialog) PrzerwaPracy gives the usual cursor back. Both nest.

namespace tremida::gui {

class KursorPracy {
public:
    KursorPracy();
    ~KursorPracy();
    KursorPracy(const KursorPracy &) = delete;
    KursorPracy &operator=(const KursorPracy &) = delete;

    // Whether a run works now (some KursorPracy is held).
    static bool czyPraca();
};

class PrzerwaPracy {
public:
    PrzerwaPracy();
    ~PrzerwaPracy();
    PrzerwaPracy(const PrzerwaPracy &) = delete;
    PrzerwaPracy &operator=(const PrzerwaPracy &) = delete;

private:
    bool m_ustawiona;
};

} // namespace tremida::gui
