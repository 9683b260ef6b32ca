#pragma once
// The program's message boxes: each MsgBox becomes a modal QMessageBox owned by the active window.

#include "locale/MsgBox.h"

class TMessageBoxPresenter final : public TMsgPresenter {
public:
    // Installed for the life of the object.
    TMessageBoxPresenter();
    ~TMessageBoxPresenter() override;
    TMessageBoxPresenter(const TMessageBoxPresenter&) = delete;
    TMessageBoxPresenter& operator=(const TMessageBoxPresenter&) = delete;

    // Shows the box on the user-interface thread, also when called from another thread.
    int Present(const QString& caption, const QString& text, int kind) override;

private:
    TMsgPresenter* m_previous = nullptr;
};
