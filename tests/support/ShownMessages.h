#pragma once
// The messages a ScriptedMsgBox has shown, as text and kind, comparable and printable in test
// expectations (the caption is the same Confirmation text on every message of the link).

#include "support/ScriptedMsgBox.h"

#include <ostream>
#include <vector>

struct TMessage {
    QString Text;
    int Kind = 0;
    bool operator==(const TMessage&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const TMessage& m)
{
    return out << m.Text.toStdString() << " (kind " << m.Kind << ')';
}

inline std::vector<TMessage> ShownMessages(const ScriptedMsgBox& messages)
{
    std::vector<TMessage> shown;
    for (const TShownMessage& m : messages.Shown())
        shown.push_back({m.Text, m.Kind});
    return shown;
}
