#include "net/shown_name.h"

namespace kvd {

QString ShownName(const QString& name, int longest) {
    QString shown;
    for (const QChar c : name) {
        const QChar::Category category = c.category();
        // Format characters hold the direction marks, embeddings, overrides and isolates.
        if (category == QChar::Other_Control || category == QChar::Other_Format ||
            category == QChar::Separator_Line || category == QChar::Separator_Paragraph ||
            category == QChar::Other_Surrogate || c == QChar::ReplacementCharacter)
            continue;
        shown += c;
    }
    return shown.trimmed().left(longest);
}

}  // namespace kvd
