#include "cli/board_json.h"

#include <QJsonArray>

namespace sw::cli {

namespace {

QString ColorText(ColorRef c) { return QString::asprintf("%d,%d,%d", RedOf(c), GreenOf(c), BlueOf(c)); }

QJsonObject BlockToJson(const TextBlock& b)
{
    return QJsonObject{
        {"Text", b.Text},
        {"TextColor", ColorText(b.TextColor)},
        {"DropShadowColor", ColorText(b.DropShadowColor)},
        {"Font", b.Font},
        {"Xref", b.Xref},
        {"Yref", b.Yref},
        {"ScaleFactor", b.ScaleFactor},
        {"LineSpacingFactor", b.LineSpacingFactor},
        {"Bold", b.Bold},
        {"Italics", b.Italics},
        {"CenterInStrip", b.CenterInStrip},
        {"GroupAlignment", b.GroupAlignment},
    };
}

QJsonObject StripToJson(const MenuStrip& s, int column, int row)
{
    return QJsonObject{
        {"Column", column},
        {"Row", row},
        {"BackGroundColor", ColorText(s.BackGroundColor)},
        {"CaloriesTextColor", ColorText(s.CaloriesTextColor)},
        {"CaloriesItalics", s.CaloriesItalics},
        {"PriceTabSpacingFactor", s.PriceTabSpacingFactor},
        {"CaloriesSpacingFactor", s.CaloriesSpacingFactor},
        {"SubImageFileName", s.SubImageFileName},
        {"ImageHiddenOnWhite", s.ImageHiddenOnWhite},
        {"SubImageFrameIndex", s.SubImageFrameIndex},
        {"SubImageCropPercentageX", s.SubImageCropPercentageX},
        {"SubImageCropPercentageY", s.SubImageCropPercentageY},
        {"SubImageCropOriginPercentageX", s.SubImageCropOriginPercentageX},
        {"SubImageCropOriginPercentageY", s.SubImageCropOriginPercentageY},
        {"SubImageBrightnessFactor", s.SubImageBrightnessFactor},
        {"XOffsetFactor", s.XOffsetFactor},
        {"YOffsetFactor", s.YOffsetFactor},
        {"XSizeFactor", s.XSizeFactor},
        {"YSizeFactor", s.YSizeFactor},
        {"MainItem", BlockToJson(s.MainItem)},
        {"SubItems", BlockToJson(s.SubItems)},
        {"Prices", BlockToJson(s.Prices)},
    };
}

} // namespace

QJsonObject BoardToJson(const MenuBoard& board)
{
    QJsonArray strips;
    for (int c = 0; c < board.usedColumns(); ++c) {
        for (int r = 0; r < board.usedRows(); ++r) {
            if (IsStripInUse(board.strip(c, r)))
                strips.append(StripToJson(board.strip(c, r), c, r));
        }
    }
    return QJsonObject{
        {"NumberOfColumns", board.NumberOfColumns},
        {"NumberOfRows", board.NumberOfRows},
        {"WhitePrintBackground", board.WhitePrintBackground},
        {"BackgroundFileName", board.BackgroundFileName},
        {"Strips", strips},
    };
}

} // namespace sw::cli
