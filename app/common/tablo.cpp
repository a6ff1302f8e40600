#include "app/common/tablo.h"

#include "app/common/para.h"
#include "server/resulttable.h"

void OndalikBicimle(ResultTable &tablo)
{
    const QString bicim = ParaBicimi.toString();
    for (int c = 0; c < tablo.columnCount(); ++c)
        if (tablo.column(c).type == ColumnType::Double)
            tablo.setDisplayFormat(c, bicim);
}

bool DoluMu(const ResultTable &tablo)
{
    return tablo.isOpen() && tablo.rowCount() > 0;
}

bool SecimVarMi(ResultTable &tablo)
{
    if (!DoluMu(tablo))
        return false;
    const int sec = tablo.columnIndex(u"SEC");
    if (sec < 0)
        return false;
    for (bool var = tablo.first(); var; var = tablo.next())
        if (tablo.asDouble(tablo.cursor(), sec) == 1.0)
            return true;
    return false;
}
