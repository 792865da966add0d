#include "StarterData.h"

#include <QList>

StarterData parseStarterData(const QByteArray& text)
{
    StarterData result;
    int lineNumber = 0;
    for (QByteArray line : text.split('\n')) {
        ++lineNumber;
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const QList<QByteArray> fields = line.split(',');
        bool numeric = false;
        const int charge = fields.size() == 4 ? fields[3].toInt(&numeric) : 0;
        const bool cation = fields.value(0) == "cation";
        if (fields.size() != 4 || !numeric || (!cation && fields[0] != "anion")) {
            result.error = "line " + std::to_string(lineNumber) + " is not kind,name,symbol,charge";
            return result;
        }
        TIon ion(fields[1].toStdString(), fields[2].toStdString(), charge);
        (cation ? result.lists.cations : result.lists.anions).append(std::move(ion));
    }
    return result;
}
