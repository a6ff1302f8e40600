#pragma once
// The stock status codes of the DURUM column as icons, shared by the legend
// and every grid that shows a status.

#include <QIcon>
#include <QString>

// 1 in stock, 2 call us, 3 on the way, 4 special order, 5 being procured,
// 0 not available; any other code gives a null icon (nothing is drawn).
QIcon DurumSimgesi(int kod);

// What the icon means, for tooltips and accessible text; empty for other codes.
QString DurumAnlami(int kod);

// The flag columns ("Yeni", "Kampanyalı"): a mark for yes, a dash for no.
QIcon BayrakSimgesi(bool evet);
// The picture column: a camera when the item has a picture.
QIcon ResimSimgesi();
