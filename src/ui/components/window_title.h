// The program's title line and the captions of its windows.
#pragma once

#include <QString>

namespace zak::ui {

// "ZAK 14/15 v2.0.9.2", two blanks and the maker's copyright notice: the main window's caption.
QString TitleLine();

// A secondary window's caption: its own name, "  -  " and the title line
// ("Einstellungen  -  ZAK 14/15 v2.0.9.2  © 2005–2015 ZAK-Team").
QString WindowCaption(const QString& name);

}  // namespace zak::ui
