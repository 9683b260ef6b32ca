#include "cli/UnattendedLink.h"

#include "codeplug/GlobalState.h"
#include "radio/RadioLink.h"

#include <QCoreApplication>
#include <cstdio>

namespace {

const char* AnswerText(int answer)
{
    switch (answer) {
    case MsgResultYes: return " - Yes";
    case MsgResultNo: return " - No";
    default: return " - Cancel";
    }
}

} // namespace

TUnattendedLink::TUnattendedLink(TRadioLink& link, bool forceOtherModel)
    : m_link(link)
    , m_forceOtherModel(forceOtherModel)
    , m_previousPresenter(SetMsgPresenter(this))
{
    connect(&m_link, &TRadioLink::finished, this, [this](bool completed) {
        if (!completed && m_link.RetryPending())
            return;
        End(completed ? TLinkOutcome::Done : TLinkOutcome::LinkFailed);
    });
    // The link closes its dialog by itself after a port that could not be opened, even when a
    // message of an earlier attempt keeps it from saying so again.
    connect(&m_link, &TRadioLink::closeRequested, this, [this] { End(TLinkOutcome::LinkFailed); });
}

TUnattendedLink::~TUnattendedLink()
{
    SetMsgPresenter(m_previousPresenter);
}

TLinkOutcome TUnattendedLink::Run()
{
    m_outcome.reset();
    m_link.FormShow();
    if (!m_outcome) {
        m_clock.start();
        m_link.btnOkClick();
        if (!m_outcome)
            m_loop.exec();
    }
    m_link.FormClose();
    return *m_outcome;
}

int TUnattendedLink::Present(const QString&, const QString& text, int kind)
{
    const TLanguage& language = theLanguage();
    int answer = MsgResultOk;
    if (text == language.Modforce) {
        answer = m_forceOtherModel ? MsgResultYes : MsgResultNo;
        if (!m_forceOtherModel)
            End(TLinkOutcome::NotForced);
    } else if (text == language.ModError) {
        End(TLinkOutcome::WrongModel);
    } else if (text != language.ReadOk && text != language.WriteOk) {
        // LPortError and ComError, as a box or as the timeout question.
        answer = kind == MsgRetryCancel ? MsgResultCancel : MsgResultOk;
        End(TLinkOutcome::LinkFailed);
    }
    std::fprintf(stderr, "%s: %s%s\n", qUtf8Printable(QCoreApplication::applicationName()),
                 qUtf8Printable(text), kind == MsgInformation ? "" : AnswerText(answer));
    return answer;
}

void TUnattendedLink::End(TLinkOutcome outcome)
{
    if (m_outcome)
        return;
    m_outcome = outcome;
    m_elapsedMs = m_clock.isValid() ? m_clock.elapsed() : 0;
    m_loop.quit();
}
