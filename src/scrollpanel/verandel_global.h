#pragma once
// Export/import of the Verandel control library's public classes.

#include <QtCore/qglobal.h>

#if defined(VERANDEL_LIBRARY)
#define VERANDEL_EXPORT Q_DECL_EXPORT
#else
#define VERANDEL_EXPORT Q_DECL_IMPORT
#endif
