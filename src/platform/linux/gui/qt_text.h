#pragma once

#include <QString>

#include "text/code_page_converter.h"
#include "text/text.h"

namespace hotlist {

// Code page 936 text as Qt's UTF-16 string, through the program's converter.
QString toQString(CodePageConverter& converter, const Text& text);

// Qt's UTF-16 string as code page 936 text; characters without a form there are substituted.
Text fromQString(CodePageConverter& converter, const QString& string);

}  // namespace hotlist
