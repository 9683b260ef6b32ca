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
        return UnattendedAnswer(kind);
    }
};

TStderrPresenter stderrPresenter;
TMsgPresenter* currentPresenter = &stderrPresenter;

} // namespace

int UnattendedAnswer(int kind)
{
    switch (kind) {
    case MsgYesNo: return MsgResultNo;
    case MsgYesNoCancel:
    case MsgRetryCancel: return MsgResultCancel;
    default: return MsgResultOk;
    }
}

int MsgBox(const QString& caption, const QString& text, int kind)
{
    if (kind != MsgInformation && kind != MsgYesNo && kind != MsgYesNoCancel && kind != MsgRetryCancel)
        return MsgResultOk;
    return currentPresenter->Present(caption, text, kind);
}

TMsgPresenter* SetMsgPresenter(TMsgPresenter* presenter)
{
    TMsgPresenter* previous = currentPresenter == &stderrPresenter ? nullptr : currentPresenter;
    currentPresenter = presenter ? presenter : &stderrPresenter;
    return previous;
}
