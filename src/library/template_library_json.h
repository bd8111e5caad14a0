#pragma once

#include <QByteArray>

namespace corvanta {

// The whole algorithm template library as one JSON array, categories and
// templates in library order; each element carries the category's display
// name under "category". UTF-8, non-ASCII text written as is.
QByteArray templateLibraryJson();

} // namespace corvanta
