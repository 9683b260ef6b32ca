#pragma once
// Answers message boxes by script and records what was shown, for tests. Installed for the life
// of the object; a message that finds no scripted answer gets the answer that changes nothing.

#include "locale/MsgBox.h"

#include <QEventLoop>
#include <QString>
#include <QTimer>
#include <deque>
#include <mutex>
#include <vector>

struct TShownMessage {
    QString Caption;
    QString Text;
    int Kind = 0;
};

class ScriptedMsgBox final : public TMsgPresenter {
public:
    ScriptedMsgBox() { m_previous = SetMsgPresenter(this); }
    ~ScriptedMsgBox() override { SetMsgPresenter(m_previous); }
    ScriptedMsgBox(const ScriptedMsgBox&) = delete;
    ScriptedMsgBox& operator=(const ScriptedMsgBox&) = delete;

    // The answers to the next questions, in order (MsgResultYes, MsgResultRetry, ...).
    void Answer(std::initializer_list<int> results)
    {
        std::lock_guard lock(m_mutex);
        m_answers.insert(m_answers.end(), results);
    }

    // Every question stays open this long, with events running under it as under a modal box.
    void HoldQuestionsOpen(int ms) { m_holdMs = ms; }

    std::vector<TShownMessage> Shown() const
    {
        std::lock_guard lock(m_mutex);
        return m_shown;
    }
    std::vector<QString> Texts() const
    {
        std::lock_guard lock(m_mutex);
        std::vector<QString> texts;
        for (const TShownMessage& m : m_shown)
            texts.push_back(m.Text);
        return texts;
    }
    void Clear()
    {
        std::lock_guard lock(m_mutex);
        m_shown.clear();
        m_answers.clear();
    }

    int Present(const QString& caption, const QString& text, int kind) override
    {
        const int answer = Record(caption, text, kind);
        if (kind != MsgInformation && m_holdMs > 0) {
            QEventLoop open;
            QTimer::singleShot(m_holdMs, &open, &QEventLoop::quit);
            open.exec();
        }
        return answer;
    }

private:
    int Record(const QString& caption, const QString& text, int kind)
    {
        std::lock_guard lock(m_mutex);
        m_shown.push_back({caption, text, kind});
        if (!m_answers.empty()) {
            const int answer = m_answers.front();
            m_answers.pop_front();
            return answer;
        }
        return UnattendedAnswer(kind);
    }


    mutable std::mutex m_mutex;
    TMsgPresenter* m_previous = nullptr;
    std::deque<int> m_answers;
    std::vector<TShownMessage> m_shown;
    int m_holdMs = 0;
};
