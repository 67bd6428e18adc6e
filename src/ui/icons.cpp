#include "ui/icons.h"

#include <QString>

static void InitUiResourcesOutsideNamespace() { Q_INIT_RESOURCE(ui_resources); }

namespace sw {

namespace {

QString FileOf(StepImage image)
{
    switch (image) {
    case StepImage::ArrowUp:
        return QStringLiteral(":/ui/arrow_up.svg");
    case StepImage::ArrowDown:
        return QStringLiteral(":/ui/arrow_down.svg");
    case StepImage::ArrowRight:
        return QStringLiteral(":/ui/arrow_right.svg");
    case StepImage::ArrowLeft:
        return QStringLiteral(":/ui/arrow_left.svg");
    case StepImage::Plus:
        return QStringLiteral(":/ui/plus.svg");
    case StepImage::Minus:
        return QStringLiteral(":/ui/minus.svg");
    case StepImage::None:
        break;
    }
    return {};
}

} // namespace

void InitUiResources()
{
    static const bool done = [] {
        InitUiResourcesOutsideNamespace();
        return true;
    }();
    (void)done;
}

QIcon ApplicationIcon()
{
    InitUiResources();
    return QIcon(QStringLiteral(":/ui/signwright.svg"));
}

QIcon StepIcon(StepImage image)
{
    InitUiResources();
    const QString file = FileOf(image);
    return file.isEmpty() ? QIcon() : QIcon(file);
}

} // namespace sw
