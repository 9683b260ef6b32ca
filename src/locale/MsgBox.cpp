#include "locale/MsgBox.h"

#include <cstdio>

namespace {

// Headless programs have nobody to ask: the message goes to standard error and every question
// gets the answer that changes nothing.
class TStderrPresenter final : public TMsgPresenter {
public:
    int Present(const QString& caption, const QString& text, int kind) override
    {
        std::fprintf(stderr, "%s: %s\n", qUtf8Printable(caption), qUtf8Printable(text));
        switch (kind) {
        case MsgYesNo: return MsgResultNo;
        case MsgRetryCancel: return MsgResultCancel;
        default: return MsgResultOk;
        }
    }
};

TStderrPresenter stderrPresenter;
TMsgPresenter* currentPresenter = &stderrPresenter;

} // namespace

int MsgBox(const QString& caption, const QString& text, int kind)
{
    if (kind != MsgInformation && kind != MsgYesNo && kind != MsgRetryCancel)
        return MsgResultOk;
    return currentPresenter->Present(caption, text, kind);
}

TMsgPresenter* SetMsgPresenter(TMsgPresenter* presenter)
{
    TMsgPresenter* previous = currentPresenter == &stderrPresenter ? nullptr : currentPresenter;
    currentPresenter = presenter ? presenter : &stderrPresenter;
    return previous;
}
