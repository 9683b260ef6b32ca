#pragma once
// The texts of one dialog in a language file: section <dialog name>, keys <component>.Caption,
// <component>.Hint and <component>.<n> for list items and grid column titles. Every lookup takes
// the text shown now as its default, so a missing file, section or key leaves the text as it is.

#include "locale/IniFile.h"

#include <QString>

enum TTranslationTag {
    TagKeepItems = -2,      // lists and grids: leave the items / titles alone
    TagFirstItemOnly = -3,  // combo boxes: translate item 0 only
};

// How many items of a combo box with this Tag are translated, from item 0 on.
int TranslatedItemCount(int tag, int itemCount);

class TFormTexts {
public:
    // Reads <appPath><languageName>.Ini once.
    TFormTexts(const QString& appPath, const QString& languageName, QString section);

    const QString& Section() const { return m_section; }

    QString Caption(const QString& component, const QString& current) const;
    QString Hint(const QString& component, const QString& current) const;
    // Item n of a list, or the title of grid column n.
    QString Item(const QString& component, int n, const QString& current) const;

private:
    QString lookup(const QString& key, const QString& current) const;

    TIniFile m_file;
    QString m_section;
};
