#include "window_title.h"

#include "core/maker.h"
#include "qt_text.h"

namespace zak::ui {

QString TitleLine() { return ToQString(kProgramTitle) + "  " + ToQString(kCopyrightNotice); }

QString WindowCaption(const QString& name) { return name + "  -  " + TitleLine(); }

}  // namespace zak::ui
