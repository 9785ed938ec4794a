// A text that no catalog has yet, read by the catalog check's control, never compiled.
#include <QCoreApplication>

const char* const kNewText = QT_TRANSLATE_NOOP("CatalogProbe", "A text that no catalog has");
