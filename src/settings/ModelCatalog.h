#pragma once
// The model catalog and the band list: which radios the program serves, their channel counts,
// frequency limits and memory layout, and the one-byte codes of the frequency bands.

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

// One catalog entry.
struct TMacType {
    QString Code;          // four ASCII characters, reported by the radio and stored in files
    QString Name;          // display name, e.g. "K-640(UHF)"
    int ChannelCount = 0;
    double MaxFreq = 0.0;  // highest frequency the model accepts at all, MHz
    double MinFreq = 0.0;  // lowest frequency the model accepts at all, MHz
    QStringList Bands;     // band texts offered for this model, in display order
    int GapRows = 0;       // memory rows between the last channel row and the first message row
    QString DefaultBand;

    // The offered band whose text is the given one, blanks left out of both ("450-470MHz" names
    // "450 - 470MHz"); empty when the model offers no such band.
    QString OfferedBand(const QString& text) const;
};

class TMacList {
public:
    void Add(TMacType entry);
    int Count() const { return static_cast<int>(m_entries.size()); }
    // nullptr when the index is out of range.
    const TMacType* Items(int index) const;
    // Exact, case-sensitive comparisons; nullptr when nothing matches.
    const TMacType* FindByName(const QString& name) const;
    const TMacType* FindByCode(const QString& code) const;
    // Empties the list, then appends every entry's name in catalog order.
    void FillNames(QStringList& names) const;
    // The two K-640 models.
    void FillInitial();

private:
    // Entries live on the heap so that TALL::CurModel stays valid whatever is added later.
    std::vector<std::unique_ptr<TMacType>> m_entries;
};

struct TBandEntry {
    QString Text;
    int Code = 0;
};

class TFrqList {
public:
    void Add(const QString& text, int code);
    int Count() const { return static_cast<int>(m_entries.size()); }
    const TBandEntry& Item(int index) const { return m_entries.at(static_cast<size_t>(index)); }
    // The code of the first entry with this text; the first entry's code when none has it.
    int CodeOf(const QString& text) const;
    // The text of the first entry with this code; the first entry's text when none has it.
    QString TextOf(int code) const;
    void FillInitial();

private:
    std::vector<TBandEntry> m_entries;
};

struct TBandEdges {
    double Lower = 0.0;
    double Upper = 0.0;
};

// The two edges of a band text such as "450 - 470MHz" or " 27 -  72MHz". Gives nothing, and an
// explanation in *error when asked for, when either edge is not a number.
std::optional<TBandEdges> ParseBand(const QString& text, QString* error = nullptr);
