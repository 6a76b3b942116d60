#pragma once

#include <QStringList>

namespace kirveno {

class TextTable;

enum class HelpPage { Usage, Tips, FromMaker };

// The lines of a help page, from the page's keys in order. An empty text adds no line (a
// translation drops a line by leaving it empty); a single space adds a blank-looking one. The
// page from the maker always holds the donation line (000157) just before the line of 000073.
QStringList helpPageLines(const TextTable &texts, HelpPage page);

} // namespace kirveno
