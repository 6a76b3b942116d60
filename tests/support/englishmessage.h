#pragma once

#include "settings/texttable.h"
#include "storage/datafileerror.h"

namespace kirveno::testing {

// What the operator of an English program reads for the error.
inline QString englishMessage(const DataFileError &error)
{
    return TextTable::builtInEnglish().message(error);
}

} // namespace kirveno::testing
