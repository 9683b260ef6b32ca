#pragma once
// The function settings dialog as designed: its title, the captions of its labels and check
// boxes, the items of its lists with their translation marks, and the TFun member each list and
// check box shows. The dialog builds its controls from this; the printout of the command-line
// companion, which has no dialog, reads the texts through the language file with the same keys
// and rules as the form translation.

#include "codeplug/CodeplugState.h"
#include "locale/FormTexts.h"

#include <QString>
#include <QStringList>
#include <vector>

inline constexpr char FunctionSettingsFormName[] = "fBFunSet";
inline constexpr char FunctionSettingsTitle[] = "Function Setting";

struct TFunctionList {
    const char* Component;
    QStringList Items;  // item i stands for the value i
    int Tag;            // translation mark: 0, TagKeepItems or TagFirstItemOnly
    int TFun::*Member;  // holds the item index
};

struct TFunctionCheck {
    const char* Component;
    int TFun::*Member;  // ticked exactly when 1
};

// The design caption of a label or check box of the dialog ("Squelch level" for "Label1").
QString FunctionCaption(const char* component);
// The lists of the dialog, FM included.
const std::vector<TFunctionList>& FunctionLists();
const TFunctionList& FunctionList(const char* component);
const std::vector<TFunctionCheck>& FunctionChecks();

// The texts of the dialog in a language: the title, captions and list items as the form
// translation leaves them. Without a file (the first language) the design texts.
class TFunctionSettingsTexts {
public:
    TFunctionSettingsTexts() = default;
    explicit TFunctionSettingsTexts(const TFormTexts& file) : m_file(&file) {}

    QString Title() const;
    QString Caption(const char* component) const;
    // What the list shows for a value: its item, or the number itself when it has no item.
    QString ListText(const char* component, int value) const;

private:
    const TFormTexts* m_file = nullptr;
};
