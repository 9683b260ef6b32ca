#pragma once
// A transfer run with nobody to ask, as the command-line companion and the benchmark run one: the
// transfer's dialog is shown, its OK pressed once, and the run waits on the event loop until the
// transfer is over. The link's messages are written to standard error and answered so that
// nothing waits for a user: the timeout question gets Cancel, and the question whether to write a
// radio of another model gets the answer given. Each message that ends the attempt decides the
// outcome; so does the end of the worker.

#include <QElapsedTimer>
#include <QEventLoop>
#include <QObject>
#include <optional>

#include "locale/MsgBox.h"

class TRadioLink;

enum class TLinkOutcome {
    Done,        // the worker went through every row
    WrongModel,  // the radio's model cannot take this transfer
    NotForced,   // the radio is of another model that needs a forced write
    LinkFailed,  // the port cannot be opened, the radio does not answer, the line failed
};

class TUnattendedLink final : public QObject, public TMsgPresenter {
public:
    // Installs itself as the message presenter for its lifetime.
    TUnattendedLink(TRadioLink& link, bool forceOtherModel);
    ~TUnattendedLink() override;
    TUnattendedLink(const TUnattendedLink&) = delete;
    TUnattendedLink& operator=(const TUnattendedLink&) = delete;

    // Opens the port, presses OK and runs the event loop until the outcome is known; the port is
    // closed and no worker runs when it returns.
    TLinkOutcome Run();
    // Milliseconds from pressing OK to the outcome.
    qint64 ElapsedMs() const { return m_elapsedMs; }

    int Present(const QString& caption, const QString& text, int kind) override;

private:
    // The first outcome counts.
    void End(TLinkOutcome outcome);

    TRadioLink& m_link;
    const bool m_forceOtherModel;
    TMsgPresenter* m_previousPresenter;
    QEventLoop m_loop;
    QElapsedTimer m_clock;
    qint64 m_elapsedMs = 0;
    std::optional<TLinkOutcome> m_outcome;
};
