#include "layout_io/document_writer.h"

#include "platform/version.h"

namespace sw {

namespace {

// Appends elements one after the other with nothing in between, as the
// reader's substring search and older readers expect.
class DocumentBuilder {
public:
    explicit DocumentBuilder(QString& out) : out_(out) {}

    void open(const QString& tag) { out_ += u'<' + tag + u'>'; }
    void close(const QString& tag) { out_ += QStringLiteral("</") + tag + u'>'; }
    void text(const QString& tag, const QString& value)
    {
        open(tag);
        out_ += value;
        close(tag);
    }
    void integer(const QString& tag, int value) { text(tag, QString::asprintf("%d", value)); }
    // QString::asprintf ignores the locale, so the separator is always a point.
    void real(const QString& tag, double value) { text(tag, QString::asprintf("%0.3f", value)); }
    void boolean(const QString& tag, bool value) { text(tag, value ? QStringLiteral("Yes") : QStringLiteral("No")); }
    void color(const QString& tag, ColorRef value)
    {
        text(tag, QString::asprintf("%d,%d,%d", RedOf(value), GreenOf(value), BlueOf(value)));
    }
    void alignment(const QString& tag, int value)
    {
        switch (value) {
        case AlignCenter:
            text(tag, QStringLiteral("Center"));
            break;
        case AlignRight:
            text(tag, QStringLiteral("Right"));
            break;
        default:
            text(tag, QStringLiteral("Left"));
            break;
        }
    }

private:
    QString& out_;
};

void WriteTextBlock(DocumentBuilder& doc, const QString& tag, const TextBlock& block)
{
    doc.open(tag);
    doc.text(QStringLiteral("Text"), block.Text);
    doc.color(QStringLiteral("TextColor"), block.TextColor);
    doc.color(QStringLiteral("DropShadowColor"), block.DropShadowColor);
    doc.text(QStringLiteral("Font"), block.Font);
    doc.real(QStringLiteral("Xref"), block.Xref);
    doc.real(QStringLiteral("Yref"), block.Yref);
    doc.real(QStringLiteral("ScaleFactor"), block.ScaleFactor);
    doc.real(QStringLiteral("LineSpacingFactor"), block.LineSpacingFactor);
    doc.boolean(QStringLiteral("Bold"), block.Bold);
    doc.boolean(QStringLiteral("Italics"), block.Italics);
    doc.boolean(QStringLiteral("CenterInStrip"), block.CenterInStrip);
    doc.alignment(QStringLiteral("GroupAlignment"), block.GroupAlignment);
    doc.close(tag);
}

void WriteStripFields(DocumentBuilder& doc, const MenuStrip& s)
{
    doc.color(QStringLiteral("BackGroundColor"), s.BackGroundColor);
    doc.color(QStringLiteral("CaloriesTextColor"), s.CaloriesTextColor);
    doc.boolean(QStringLiteral("CaloriesItalics"), s.CaloriesItalics);
    doc.real(QStringLiteral("PriceTabSpacingFactor"), s.PriceTabSpacingFactor);
    doc.real(QStringLiteral("CaloriesSpacingFactor"), s.CaloriesSpacingFactor);
    // Stored with backslashes: readers take the part after the last backslash,
    // and the Windows program reading our packages knows no other separator.
    doc.text(QStringLiteral("SubImageFileName"), QString(s.SubImageFileName).replace(u'/', u'\\'));
    doc.boolean(QStringLiteral("ImageHiddenOnWhite"), s.ImageHiddenOnWhite);
    doc.integer(QStringLiteral("SubImageFrameIndex"), s.SubImageFrameIndex);
    doc.integer(QStringLiteral("SubImageCropPercentageX"), s.SubImageCropPercentageX);
    doc.integer(QStringLiteral("SubImageCropPercentageY"), s.SubImageCropPercentageY);
    doc.integer(QStringLiteral("SubImageCropOriginPercentageX"), s.SubImageCropOriginPercentageX);
    doc.integer(QStringLiteral("SubImageCropOriginPercentageY"), s.SubImageCropOriginPercentageY);
    doc.integer(QStringLiteral("SubImageBrightnessFactor"), s.SubImageBrightnessFactor);
    doc.real(QStringLiteral("XOffsetFactor"), s.XOffsetFactor);
    doc.real(QStringLiteral("YOffsetFactor"), s.YOffsetFactor);
    doc.real(QStringLiteral("XSizeFactor"), s.XSizeFactor);
    doc.real(QStringLiteral("YSizeFactor"), s.YSizeFactor);
    WriteTextBlock(doc, QStringLiteral("MainItemTextParams"), s.MainItem);
    if (!s.SubItems.Text.isEmpty())
        WriteTextBlock(doc, QStringLiteral("SubItemsTextParams"), s.SubItems);
    if (!s.Prices.Text.isEmpty())
        WriteTextBlock(doc, QStringLiteral("PricesTextParams"), s.Prices);
}

// Documents written on Windows and ours both keep full paths; accept either
// separator when only the last component is wanted.
QString LastPathComponent(const QString& path)
{
    const qsizetype cut = std::max(path.lastIndexOf(u'\\'), path.lastIndexOf(u'/'));
    return path.mid(cut + 1);
}

} // namespace

QString NameAndVersion() { return kProductTitle + kVersionWord + GetVersionString(); }

QString WriteLayoutDocument(const MenuBoard& board, const QString& backgroundPath)
{
    QString out;
    DocumentBuilder doc(out);
    out += kDocumentDeclaration;
    doc.open(QStringLiteral("MenuData"));
    doc.open(QStringLiteral("ApplicationData"));
    doc.text(QStringLiteral("NameAndVersion"), NameAndVersion());
    doc.close(QStringLiteral("ApplicationData"));

    // The counts written are the ones the cells below are written for, so a
    // model holding an out-of-range count still yields a consistent document.
    const int columns = board.usedColumns();
    const int rows = board.usedRows();
    doc.open(QStringLiteral("MenuGeneralData"));
    doc.text(QStringLiteral("BackgroundFileName"), LastPathComponent(backgroundPath));
    doc.integer(QStringLiteral("NumberOfColumns"), columns);
    doc.integer(QStringLiteral("NumberOfRows"), rows);
    doc.boolean(QStringLiteral("WhitePrintBackground"), board.WhitePrintBackground);
    doc.close(QStringLiteral("MenuGeneralData"));

    doc.open(QStringLiteral("StripsData"));
    for (int c = 0; c < columns; ++c) {
        for (int r = 0; r < rows; ++r) {
            const QString tag = QString::asprintf("Strip%d-%d", c, r);
            const MenuStrip& s = board.strip(c, r);
            doc.open(tag);
            if (IsStripInUse(s))
                WriteStripFields(doc, s);
            doc.close(tag);
        }
    }
    doc.close(QStringLiteral("StripsData"));
    doc.close(QStringLiteral("MenuData"));
    return out;
}

} // namespace sw
