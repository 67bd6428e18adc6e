#include "layout_io/font_check.h"

namespace sw {

TextBlockFontCheck::~TextBlockFontCheck() = default;

} // namespace sw
