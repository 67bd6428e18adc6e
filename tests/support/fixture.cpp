#include "support/fixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

void SwTest::SetUp()
{
    ASSERT_TRUE(dir_.isValid());
    savedData_ = qgetenv("XDG_DATA_HOME");
    savedConfig_ = qgetenv("XDG_CONFIG_HOME");
    savedCache_ = qgetenv("XDG_CACHE_HOME");
    QDir(dir_.path()).mkpath("xdg/data");
    QDir(dir_.path()).mkpath("xdg/config");
    QDir(dir_.path()).mkpath("xdg/cache");
    qputenv("XDG_DATA_HOME", QFile::encodeName(dir_.path() + "/xdg/data"));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir_.path() + "/xdg/config"));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(dir_.path() + "/xdg/cache"));
}

void SwTest::TearDown()
{
    auto restore = [](const char* name, const QByteArray& value) {
        if (value.isEmpty())
            qunsetenv(name);
        else
            qputenv(name, value);
    };
    restore("XDG_DATA_HOME", savedData_);
    restore("XDG_CONFIG_HOME", savedConfig_);
    restore("XDG_CACHE_HOME", savedCache_);
}

QString SwTest::tempPath(const QString& name) const
{
    return name.isEmpty() ? dir_.path() : dir_.path() + "/" + name;
}

QString SwTest::writeFile(const QString& name, const QByteArray& bytes) const
{
    const QString path = tempPath(name);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return {};
    f.write(bytes);
    return path;
}

QString SwTest::sourceDir()
{
    const QByteArray env = qgetenv("SW_SOURCE_DIR");
    return env.isEmpty() ? QString(".") : QString::fromLocal8Bit(env);
}
