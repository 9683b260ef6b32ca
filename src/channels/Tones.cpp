#include "channels/Tones.h"
// PLACEHOLDER: to be replaced by the real implementation.
QString NormalizeTone(const QString& text) { return text; }
const QStringList& ToneList() { static QStringList l; return l; }
const QStringList& ToneTable() { static QStringList l; return l; }
