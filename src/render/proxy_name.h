#pragma once
// Reduced working copies of images lie beside their sources with "_Proxy" before
// the extension.
#include <QString>

namespace sw {

// The proxy name the picture drawing tries first: every ".jpg" gets "_Proxy"
// when the name holds ".jpg" or ".JPG" (an upper-case ".JPG" itself is left
// alone), else ".png", else ".gif". Any other name comes back unchanged.
QString ProxyImage(const QString& name);

} // namespace sw
