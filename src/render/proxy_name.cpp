#include "render/proxy_name.h"

namespace sw {

QString ProxyImage(const QString& name)
{
    QString proxy = name;
    if (name.contains(QStringLiteral(".jpg")) || name.contains(QStringLiteral(".JPG")))
        return proxy.replace(QStringLiteral(".jpg"), QStringLiteral("_Proxy.jpg"));
    if (name.contains(QStringLiteral(".png")))
        return proxy.replace(QStringLiteral(".png"), QStringLiteral("_Proxy.png"));
    if (name.contains(QStringLiteral(".gif")))
        return proxy.replace(QStringLiteral(".gif"), QStringLiteral("_Proxy.gif"));
    return proxy;
}

} // namespace sw
